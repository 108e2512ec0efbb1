#include "commands/motion/frm61.h"

#include "commands/motion/AxisCommandDesign.h"

namespace tarvik {

frm61::frm61(App& app)
    : CommandDialog(app, axisCommandDesign(&MotionDriver::start_motion,
                                           {.name = "frm61", .caption = "Start Motion", .mask = 63}))
{
}

} // namespace tarvik
