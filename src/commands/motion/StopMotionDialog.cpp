#include "commands/motion/StopMotionDialog.h"

#include "commands/motion/AxisCommandDesign.h"

namespace tarvik {

StopMotionDialog::StopMotionDialog(App& app)
    : CommandDialog(app, axisCommandDesign(&MotionDriver::stop_motion,
                                           {.name = "frm4C", .caption = "Stop Motion", .helpTopic = 347, .mask = kMotionGroups}))
{
}

} // namespace tarvik
