#include "commands/motion/frm4D.h"

#include "commands/motion/AxisCommandDesign.h"

namespace tarvik {

frm4D::frm4D(App& app)
    : CommandDialog(app, axisCommandDesign(&MotionDriver::kill_motion,
                                           {.name = "frm4D", .caption = "Kill Motion", .mask = 63}))
{
}

} // namespace tarvik
