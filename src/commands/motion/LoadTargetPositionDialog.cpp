#include "commands/motion/LoadTargetPositionDialog.h"

#include "commands/motion/AxisValueDesign.h"

namespace tarvik {

LoadTargetPositionDialog::LoadTargetPositionDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::load_target_pos,
          {.name = "frm4E", .caption = "Load Target Position", .helpTopic = 330, .mask = kMotionGroups},
          {.name = "postxt", .label = "Target Position", .maxLength = 11,
           .rule = {.keys = kSignedKeys, .check = FieldCheck::ValidateDoubleOrBlank,
                    .bounds = {-2147483648.0, 2147483647.0}}}))
{
}

} // namespace tarvik
