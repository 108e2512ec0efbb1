#include "commands/motion/frm4C.h"

#include "commands/motion/AxisCommandDesign.h"

namespace tarvik {

frm4C::frm4C(App& app)
    : CommandDialog(app, axisCommandDesign(&MotionDriver::stop_motion,
                                           {.name = "frm4C", .caption = "Stop Motion", .mask = 63}))
{
}

} // namespace tarvik
