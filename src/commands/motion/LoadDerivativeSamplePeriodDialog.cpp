#include "commands/motion/LoadDerivativeSamplePeriodDialog.h"

#include "commands/motion/ServoGainDesign.h"

namespace tarvik {

LoadDerivativeSamplePeriodDialog::LoadDerivativeSamplePeriodDialog(App& app)
    : CommandDialog(app, servoGainDesign(&MotionDriver::load_deriv_per,
                                         {.name = "frm57s",
                                          .caption = "Load Derivative Sample Period",
                                          .helpTopic = 353,
                                          .valueName = "samppertxt",
                                          .valueLabel = "Sample Period Selector",
                                          .maxLength = 3, .bounds = {1, 255}, .valueKeys = {},
                                          .kept = AxisField::DerivPeriod}))
{
}

} // namespace tarvik
