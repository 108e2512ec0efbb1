#include "commands/motion/frm50.h"

#include "commands/motion/AxisCommandDesign.h"

namespace tarvik {

frm50::frm50(App& app)
    : CommandDialog(app, axisCommandDesign(&MotionDriver::reset_pos,
                                           {.name = "frm50", .caption = "Reset Position", .mask = -1,
                                            .clearing = {.messageBox = false}}))
{
}

} // namespace tarvik
