#include "commands/motion/LoadTimeBreakpointDialog.h"

#include "commands/motion/AxisValueDesign.h"

namespace tarvik {

LoadTimeBreakpointDialog::LoadTimeBreakpointDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::load_time_brk,
          {.name = "frm67", .caption = "Load Anticipation Time Breakpoint", .helpTopic = 359, .mask = kServoGroups},
          {.name = "atimetxt", .label = "Anticipation Time", .maxLength = 6,
           .rule = {.check = FieldCheck::ValidateDoubleOrBlank, .bounds = {0, 65535}}}))
{
}

} // namespace tarvik
