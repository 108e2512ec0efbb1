#include "commands/motion/LoadTargetPositionDialog.h"

#include "commands/motion/AxisValueDesign.h"
#include "driver/BoardRanges.h"

namespace tarvik {

LoadTargetPositionDialog::LoadTargetPositionDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::load_target_pos,
          {.name = "frm4E", .caption = "Load Target Position", .helpTopic = 330, .mask = kMotionGroups},
          {.name = "postxt", .label = "Target Position", .maxLength = 11,
           .rule = {.keys = kSignedKeys, .check = FieldCheck::ValidateDoubleOrBlank,
                    .bounds = {kPosition32Min, kPosition32Max}}}))
{
}

} // namespace tarvik
