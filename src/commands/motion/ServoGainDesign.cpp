#include "commands/motion/ServoGainDesign.h"

#include <utility>

namespace tarvik {

CommandDesign servoGainDesign(AxisValueEntry<std::int16_t> entry, ServoGainDialog dialog)
{
    CommandDesign design = axisValueDesign(
        entry,
        {.name = std::move(dialog.name), .caption = std::move(dialog.caption), .helpTopic = dialog.helpTopic,
         .mask = kServoGroups,
         .kept = {{.field = dialog.kept}}},
        {.name = std::move(dialog.valueName), .label = std::move(dialog.valueLabel), .maxLength = dialog.maxLength,
         .rule = {.keys = dialog.valueKeys, .check = FieldCheck::ValidateInteger, .bounds = dialog.bounds}});
    design.axis->keys = dialog.axisKeys;
    return design;
}

} // namespace tarvik
