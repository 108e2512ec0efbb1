#include "commands/motion/LoadAccelerationDialog.h"

#include "commands/motion/AxisValueDesign.h"
#include "driver/BoardRanges.h"

namespace tarvik {

LoadAccelerationDialog::LoadAccelerationDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::load_accel,
          {.name = "frm62", .caption = "Load Acceleration", .helpTopic = 336, .mask = kMotionGroups},
          {.name = "acceltxt", .label = "Acceleration", .maxLength = 7,
           .rule = {.check = FieldCheck::ValidateDoubleOrBlank, .bounds = {1, kAccelerationMax}}}))
{
}

} // namespace tarvik
