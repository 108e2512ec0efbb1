#include "commands/motion/KillMotionDialog.h"

#include "commands/motion/AxisCommandDesign.h"

namespace tarvik {

KillMotionDialog::KillMotionDialog(App& app)
    : CommandDialog(app, axisCommandDesign(&MotionDriver::kill_motion,
                                           {.name = "frm4D", .caption = "Kill Motion", .helpTopic = 345, .mask = kMotionGroups}))
{
}

} // namespace tarvik
