#include "commands/motion/LoadProportionalGainDialog.h"

#include "commands/motion/ServoGainDesign.h"

namespace tarvik {

LoadProportionalGainDialog::LoadProportionalGainDialog(App& app)
    : CommandDialog(app, servoGainDesign(&MotionDriver::load_prop_gain,
                                         {.name = "frm58",
                                          .caption = "Load Proportional Gain",
                                          .helpTopic = 349,
                                          .valueName = "propgaintxt",
                                          .valueLabel = "Proportional Gain",
                                          .maxLength = 5, .axisKeys = {},
                                          .kept = AxisField::PropGain}))
{
}

} // namespace tarvik
