#include "commands/motion/InPositionDialog.h"

#include "base/NumberText.h"
#include "driver/BoardRanges.h"

#include <string>
#include <string_view>
#include <utility>

namespace tarvik {

namespace {

constexpr float kUnitsGap = 60;

// Position and deadband: whole numbers of counts within the 31-bit range, checked as they are
// typed and written as whole numbers when left; they differ only in the sign key.
CommandField countsField(std::string name, std::string labelName, std::string label, std::string_view keys)
{
    return {.name = std::move(name),
            .labelName = std::move(labelName),
            .label = std::move(label),
            .maxLength = 11,
            .rule = {.keys = keys, .check = FieldCheck::ValidateDoubleOrBlank, .bounds = {kPositionMin, kPositionMax}},
            .conversion = FieldConversion::Int32};
}

DriverStatus askInPosition(CommandRun& run)
{
    std::int32_t result = 0;
    const DriverStatus status =
        run.driver.in_pos(run.board, run.axis, run.value<std::int32_t>(0), run.value<std::int32_t>(1), result);
    run.show(0, strSigned(result));
    return status;
}

} // namespace

InPositionDialog::InPositionDialog(App& app)
    : CommandDialog(app, {.name = "frminpos",
                          .caption = "In Position",
                          .helpTopic = 342,
                          .mask = kClosedLoopCapableGroups | kEncoderGroup,
                          .axis = CommandAxisField{.sharedAxis = true},
                          .fields = {countsField("postxt", "Label1", "Position", kSignedKeys),
                                     countsField("dbtxt", "Label2", "Deadband", kUnsignedKeys)},
                          .readBacks = {{.captionName = "Label6", .caption = "Result", .name = "reslbl",
                                         .clearOnFailure = true}},
                          .call = &askInPosition}),
      unitsLabel(this, "Label7", {.caption = " Units in Counts"})
{
    // The label stands to the right of both fields, from the top of the first to the bottom of
    // the second.
    const float left = postxt.left() + postxt.width() + kUnitsGap;
    unitsLabel.move(left, postxt.top(), width() - left - 4 * kUnitsGap, dbtxt.top() + dbtxt.height() - postxt.top());
}

} // namespace tarvik
