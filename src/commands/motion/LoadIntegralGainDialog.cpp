#include "commands/motion/LoadIntegralGainDialog.h"

#include "commands/motion/ServoGainDesign.h"

namespace tarvik {

LoadIntegralGainDialog::LoadIntegralGainDialog(App& app)
    : CommandDialog(app, servoGainDesign(&MotionDriver::load_intg_gain,
                                         {.name = "frm59s",
                                          .caption = "Load Integral Gain",
                                          .helpTopic = 350,
                                          .valueName = "intgaintxt",
                                          .valueLabel = "Integral Gain",
                                          .maxLength = 6,
                                          .kept = AxisField::IntgGain}))
{
}

} // namespace tarvik
