#include "commands/motion/frm5As.h"

#include "commands/motion/ServoGainDesign.h"

namespace tarvik {

frm5As::frm5As(App& app)
    : CommandDialog(app, servoGainDesign(&MotionDriver::load_deriv_gain,
                                         {.name = "frm5As",
                                          .caption = "Load Derivative Gain",
                                          .valueName = "dergaintxt",
                                          .valueLabel = "Derivative Gain",
                                          .maxLength = 6,
                                          .kept = AxisField::DerivGain}))
{
}

} // namespace tarvik
