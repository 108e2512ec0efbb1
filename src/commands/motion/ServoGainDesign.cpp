#include "commands/motion/ServoGainDesign.h"

#include <utility>

namespace tarvik {

namespace {

// The three-axis and the two/four-axis servo groups.
constexpr std::int16_t kServoBoards = 1 | 8;

} // namespace

CommandDesign servoGainDesign(AxisValueEntry<std::int16_t> entry, ServoGainDialog dialog)
{
    CommandDesign design = axisValueDesign(
        entry,
        {.name = std::move(dialog.name), .caption = std::move(dialog.caption), .helpTopic = dialog.helpTopic,
         .mask = kServoBoards,
         .kept = {{.field = dialog.kept}}},
        {.name = std::move(dialog.valueName), .label = std::move(dialog.valueLabel), .maxLength = dialog.maxLength,
         .rule = {.keys = dialog.valueKeys, .check = FieldCheck::ValidateInteger, .bounds = dialog.bounds}});
    design.axis->keys = dialog.axisKeys;
    return design;
}

} // namespace tarvik
