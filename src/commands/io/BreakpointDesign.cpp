#include "commands/io/BreakpointDesign.h"

#include "driver/BoardRanges.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tarvik {

namespace {

constexpr double kBreakpointLow = kPositionMin;
constexpr double kBreakpointHigh = kPositionMax;

struct MemberRow {
    BreakpointMember member;
    std::string_view name;
    std::string_view caption;
    int helpTopic; // F1 opens help here
    std::int16_t mask;
    CommandField field;
    DriverStatus (*call)(CommandRun&);
};

DriverStatus loadPosition(CommandRun& run)
{
    return run.driver.load_pos_brk(run.board, run.axis, run.value<std::int32_t>(0));
}

DriverStatus loadModulus(CommandRun& run)
{
    return run.driver.load_break_mod(run.board, run.axis, run.value<std::int32_t>(0));
}

// The third argument is the trigger buffer number: the entry goes to the board as typed.
DriverStatus linkTrigger(CommandRun& run)
{
    return run.driver.enable_pos_trig(run.board, run.axis, run.value<std::int16_t>(0));
}

const std::array kMembers{
    MemberRow{BreakpointMember::Position, "frm65", "Load Position Breakpoint", 71,
              kClosedLoopCapableGroups | kEncoderGroup,
              {.name = "brkpostxt",
               .label = "Breakpoint Position",
               .maxLength = 11,
               .rule = {.keys = kSignedKeys,
                        .check = FieldCheck::ValidateDoubleOrBlank,
                        .bounds = {kBreakpointLow, kBreakpointHigh},
                        .signFirstOnly = true},
               .conversion = FieldConversion::Int32},
              &loadPosition},
    MemberRow{BreakpointMember::Modulus, "frmbreakmod", "Load Breakpoint Modulus", 65,
              maskBitOf(BoardGroup::Servo4) | maskBitOf(BoardGroup::ClosedLoop4),
              {.name = "brkmodtxt",
               .label = "Brkpt Modulus",
               .maxLength = 11,
               .rule = {.keys = kUnsignedKeys, .check = FieldCheck::ValidateDoubleOrBlank, .bounds = {0, kBreakpointHigh}},
               .conversion = FieldConversion::Int32},
              &loadModulus},
    MemberRow{BreakpointMember::TriggerLink, "frmPosToTrig", "Set Breakpoint To Trigger Link", 53, kFourAxisGroups,
              {.name = "porttxt",
               .label = "Trigger Buffer",
               .maxLength = 4,
               .rule = {.keys = "01234", .check = FieldCheck::ValidateInteger, .bounds = {0, 4}},
               .conversion = FieldConversion::Int16,
               .loadText = "1"},
              &linkTrigger},
};

} // namespace

CommandDesign breakpointDesign(BreakpointMember member)
{
    const auto row = std::ranges::find(kMembers, member, &MemberRow::member);
    if (row == kMembers.end()) throw std::invalid_argument("no breakpoint dialog of this kind");
    return {.name = std::string(row->name),
            .caption = std::string(row->caption),
            .helpTopic = row->helpTopic,
            .mask = row->mask,
            .fields = {row->field},
            .call = row->call};
}

} // namespace tarvik
