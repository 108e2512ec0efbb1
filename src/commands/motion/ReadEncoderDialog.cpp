#include "commands/motion/ReadEncoderDialog.h"

#include "commands/motion/AxisReadDesign.h"

namespace tarvik {

ReadEncoderDialog::ReadEncoderDialog(App& app)
    : CommandDialog(app, axisReadDesign(&MotionDriver::read_encoder, {.name = "frm59ret",
                                                                      .caption = "Read Encoder",
                                                                      .helpTopic = 366,
                                                                      .mask = kClosedLoopStepperGroups,
                                                                      .valueCaption = "Encoder Position",
                                                                      .valueName = "encoderlbl",
                                                                      .boardListClears = true}))
{
}

} // namespace tarvik
