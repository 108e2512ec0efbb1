#include "commands/motion/frmretrpm.h"

#include "commands/motion/AxisReadDesign.h"

namespace tarvik {

frmretrpm::frmretrpm(App& app)
    : CommandDialog(app, axisReadDesign(&MotionDriver::read_rpm, {.name = "frmretrpm",
                                                                  .caption = "Read RPM",
                                                                  .valueCaption = "RPM",
                                                                  .valueName = "rpmlbl"}))
{
}

} // namespace tarvik
