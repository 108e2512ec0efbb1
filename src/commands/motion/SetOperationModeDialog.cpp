#include "commands/motion/SetOperationModeDialog.h"

#include "commands/motion/AxisCommandDesign.h"
#include "driver/StatusWords.h"

namespace tarvik {

SetOperationModeDialog::SetOperationModeDialog(App& app)
    : CommandDialog(app, axisChoiceDesign(&MotionDriver::set_pos_mode,
                                          {.name = "frm64s", .caption = "Set Operation Mode", .helpTopic = 340, .mask = kMotionGroups},
                                          {.heading = "Mode",
                                           .options = {{"pa", "Label7", "Position - Absolute", PosModeAbsolute},
                                                       {"pr", "Label8", "Position - Relative", PosModeRelative},
                                                       {"va", "Label2", "Velocity - Absolute", PosModeVelocity}}}))
{
}

} // namespace tarvik
