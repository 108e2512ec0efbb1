#include "commands/motion/SetScaleSequenceDialog.h"

#include "commands/motion/AxisCommandDesign.h"

namespace tarvik {

SetScaleSequenceDialog::SetScaleSequenceDialog(App& app)
    : CommandDialog(app, axisChoiceDesign(&MotionDriver::set_scale_seq,
                                          {.name = "frm6A", .caption = "Set Scale Factor Sequence", .helpTopic = 357,
                                           .mask = kClosedLoopCapableGroups},
                                          {.heading = "Sequence",
                                           .options = {{"mf", "Label7", "Multiply First", 0},
                                                       {"df", "Label8", "Divide First", -1}}}))
{
}

} // namespace tarvik
