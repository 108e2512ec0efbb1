#include "commands/motion/ResetPositionDialog.h"

#include "commands/motion/AxisCommandDesign.h"

namespace tarvik {

ResetPositionDialog::ResetPositionDialog(App& app)
    : CommandDialog(app, axisCommandDesign(&MotionDriver::reset_pos,
                                           {.name = "frm50", .caption = "Reset Position", .helpTopic = 341, .mask = kEveryGroup,
                                            .clearing = {.messageBox = false}}))
{
}

} // namespace tarvik
