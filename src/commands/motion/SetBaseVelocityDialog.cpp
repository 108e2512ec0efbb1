#include "commands/motion/SetBaseVelocityDialog.h"

#include "commands/motion/AxisValueDesign.h"

namespace tarvik {

SetBaseVelocityDialog::SetBaseVelocityDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::set_base_vel,
          {.name = "frm5b", .caption = "Set Base Velocity", .helpTopic = 360, .mask = kStepperGroups},
          {.name = "basevtxt", .label = "Base Velocity", .maxLength = 4,
           .rule = {.check = FieldCheck::ValidateInteger, .bounds = {0, 5000}}}))
{
}

} // namespace tarvik
