#include "commands/motion/LoadReferenceOffsetDialog.h"

#include "commands/motion/AxisValueDesign.h"
#include "driver/BoardRanges.h"
#include "driver/StatusText.h"

#include <cstdint>
#include <utility>

namespace tarvik {

namespace {

constexpr std::int32_t kLowestSent = -32767;
constexpr std::int32_t kHighestSent = 32766;

// The box accepts offsets far beyond what the record keeps. One outside the window the record
// can hold is not sent, and the user is told so: the status of an earlier Run must not stand as
// if this one had succeeded. The refusal counts as a failed Run, so nothing is kept.
CommandDesign loadReferenceOffset()
{
    CommandDesign design = axisValueDesign(
        &MotionDriver::load_pos_ref,
        {.name = "frm68", .caption = "Load Position Reference Offset", .helpTopic = 356, .mask = kClosedLoopCapableGroups,
         .kept = {{.field = AxisField::RefOffset, .shownAtLoad = true}}},
        {.name = "offsettxt", .label = "Reference Offset", .maxLength = 11,
         .rule = {.keys = kSignedKeys, .check = FieldCheck::ValidateDoubleOrBlank,
                  .bounds = {kPositionMin, kPositionMax}}});
    design.call = [send = std::move(design.call)](CommandRun& run) {
        const std::int32_t offset = run.value<std::int32_t>(0);
        if (offset >= kLowestSent && offset <= kHighestSent) return send(run);
        run.say("The offset must lie between -32767 and 32766. It was not sent.");
        return ZEVA_argumentRangeError;
    };
    return design;
}

} // namespace

LoadReferenceOffsetDialog::LoadReferenceOffsetDialog(App& app) : CommandDialog(app, loadReferenceOffset()) {}

} // namespace tarvik
