#include "commands/motion/StartMotionDialog.h"

#include "commands/motion/AxisCommandDesign.h"

namespace tarvik {

StartMotionDialog::StartMotionDialog(App& app)
    : CommandDialog(app, axisCommandDesign(&MotionDriver::start_motion,
                                           {.name = "frm61", .caption = "Start Motion", .helpTopic = 343, .mask = kMotionGroups}))
{
}

} // namespace tarvik
