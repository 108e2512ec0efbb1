#include "commands/motion/VelocityChangeDialog.h"

#include "commands/motion/AxisValueDesign.h"

namespace tarvik {

VelocityChangeDialog::VelocityChangeDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::load_vel_change,
          {.name = "frmAdjustVel", .caption = "Incremental Velocity Change", .helpTopic = 361, .mask = kStepperGroups},
          {.name = "adjveltxt", .label = "Velocity Delta", .maxLength = 6,
           .rule = {.keys = kSignedKeys, .check = FieldCheck::ValidateInteger, .bounds = {-20000, 20000}}}))
{
}

} // namespace tarvik
