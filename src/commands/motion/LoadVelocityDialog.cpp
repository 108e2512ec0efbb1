#include "commands/motion/LoadVelocityDialog.h"

#include "commands/motion/AxisValueDesign.h"
#include "driver/BoardRanges.h"

namespace tarvik {

LoadVelocityDialog::LoadVelocityDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::load_vel,
          {.name = "frm4Fs", .caption = "Load Velocity", .helpTopic = 332, .mask = kMotionGroups,
           .notice = CommandNotice{.text = "For Servo boards, we recommend the use of the Load RPM Function."}},
          {.name = "velotxt", .label = "Velocity", .maxLength = 8,
           .rule = {.check = FieldCheck::ValidateDoubleOrBlank, .bounds = {0, kRegister24Max}}}))
{
}

} // namespace tarvik
