#include "commands/motion/SetDirectionDialog.h"

#include "commands/motion/AxisCommandDesign.h"
#include "driver/StatusWords.h"

namespace tarvik {

SetDirectionDialog::SetDirectionDialog(App& app)
    : CommandDialog(app, axisChoiceDesign(&MotionDriver::set_direction,
                                          {.name = "frm63s", .caption = "Set Direction", .helpTopic = 339, .mask = kServoGroups,
                                           .clearing = {.formClick = false}},
                                          {.heading = "Direction",
                                           .options = {{"forward", "Label7", "Fwd", DirectionForward},
                                                       {"rev", "Label8", "Rev", DirectionReverse}}}))
{
}

} // namespace tarvik
