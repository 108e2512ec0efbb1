#include "commands/motion/LoadAccelerationFactorDialog.h"

#include "commands/motion/AxisValueDesign.h"

namespace tarvik {

LoadAccelerationFactorDialog::LoadAccelerationFactorDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::load_accel_fact,
          {.name = "frm63", .caption = "Load Acceleration Factor", .helpTopic = 362, .mask = kStepperGroups},
          {.name = "accelftxt", .label = "Accel Factor", .maxLength = 2,
           .rule = {.check = FieldCheck::ValidateInteger, .bounds = {1, 10}}}))
{
}

} // namespace tarvik
