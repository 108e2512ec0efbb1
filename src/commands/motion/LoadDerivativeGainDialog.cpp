#include "commands/motion/LoadDerivativeGainDialog.h"

#include "commands/motion/ServoGainDesign.h"

namespace tarvik {

LoadDerivativeGainDialog::LoadDerivativeGainDialog(App& app)
    : CommandDialog(app, servoGainDesign(&MotionDriver::load_deriv_gain,
                                         {.name = "frm5As",
                                          .caption = "Load Derivative Gain",
                                          .helpTopic = 351,
                                          .valueName = "dergaintxt",
                                          .valueLabel = "Derivative Gain",
                                          .maxLength = 6,
                                          .kept = AxisField::DerivGain}))
{
}

} // namespace tarvik
