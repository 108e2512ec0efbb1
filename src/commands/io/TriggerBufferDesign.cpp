#include "commands/io/TriggerBufferDesign.h"

#include "driver/BoardTypes.h"

#include <algorithm>
#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvik {

namespace {

// The number field of a member that takes one.
struct NumberField {
    std::string_view name;
    std::string_view label;
    FieldLeaving leaving; // BeginTriggerPrestoreDialog checks again on leaving; TriggerIoPortDialog does nothing
};

struct MemberRow {
    TriggerBufferMember member;
    std::string_view name;
    std::string_view caption;
    int helpTopic; // F1 opens help here
    bool boardKeys;    // digit keys in the board list pick a board
    std::optional<NumberField> number;
    DriverStatus (*call)(CommandRun&);
};

DriverStatus beginPrestore(CommandRun& run)
{
    return run.driver.begin_prestore(run.board, run.value<std::int16_t>(0));
}
DriverStatus endPrestore(CommandRun& run) { return run.driver.end_prestore(run.board); }
DriverStatus delimit(CommandRun& run) { return run.driver.trig_buff_delim(run.board); }
DriverStatus triggerIo(CommandRun& run) { return run.driver.trigger_io(run.board, run.value<std::int16_t>(0)); }

const std::array kMembers{
    MemberRow{TriggerBufferMember::BeginPrestore, "frm5F", "Begin Trigger # Prestore", 48, false,
              NumberField{"tnumtxt", "Trigger #", FieldLeaving::Recheck}, &beginPrestore},
    MemberRow{TriggerBufferMember::EndPrestore, "frm60", "End Trigger Prestore", 54, false, std::nullopt,
              &endPrestore},
    MemberRow{TriggerBufferMember::Delimiter, "frm5D", "Trigger Buffer Delimiter", 117, true, std::nullopt,
              &delimit},
    MemberRow{TriggerBufferMember::TriggerIo, "frm48", "Trigger I/O Port #", 118, true,
              NumberField{"pnumtxt", "Port #", FieldLeaving::Keep}, &triggerIo},
};

} // namespace

FieldBounds triggerNumberBounds(std::int16_t typeCode)
{
    return {1, axisCountOf(typeCode) == 3 ? 6.0 : 4.0};
}

CommandDesign triggerBufferDesign(TriggerBufferMember member)
{
    const auto row = std::ranges::find(kMembers, member, &MemberRow::member);
    if (row == kMembers.end()) throw std::invalid_argument("no trigger buffer dialog of this kind");
    CommandDesign design{.name = std::string(row->name),
                         .caption = std::string(row->caption),
                         .helpTopic = row->helpTopic,
                         .mask = kEveryGroup,
                         .boardLabelName = "Label1",
                         .axis = std::nullopt,
                         .boardKeys = row->boardKeys,
                         .call = row->call};
    if (row->number) {
        // A one-digit number, clamped silently to the selected board's range as it is typed.
        design.fields.push_back({.name = std::string(row->number->name),
                                 .labelName = "Label2",
                                 .label = std::string(row->number->label),
                                 .maxLength = 1,
                                 .rule = {.keys = kUnsignedKeys,
                                          .check = FieldCheck::ClampInteger,
                                          .leaving = row->number->leaving},
                                 .boundsByType = &triggerNumberBounds,
                                 .conversion = FieldConversion::Int16});
    }
    return design;
}

} // namespace tarvik
