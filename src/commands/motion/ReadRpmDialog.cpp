#include "commands/motion/ReadRpmDialog.h"

#include "commands/motion/AxisReadDesign.h"

namespace tarvik {

ReadRpmDialog::ReadRpmDialog(App& app)
    : CommandDialog(app, axisReadDesign(&MotionDriver::read_rpm, {.name = "frmretrpm",
                                                                  .caption = "Read RPM",
                                                                  .helpTopic = 335,
                                                                  .valueCaption = "RPM",
                                                                  .valueName = "rpmlbl"}))
{
}

} // namespace tarvik
