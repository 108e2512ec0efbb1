#include "commands/motion/LoadIntegrationLimitDialog.h"

#include "commands/motion/ServoGainDesign.h"

namespace tarvik {

LoadIntegrationLimitDialog::LoadIntegrationLimitDialog(App& app)
    : CommandDialog(app, servoGainDesign(&MotionDriver::load_intg_lim,
                                         {.name = "frm5Bs",
                                          .caption = "Load Integration Limit",
                                          .helpTopic = 352,
                                          .valueName = "intlimtxt",
                                          .valueLabel = "Integration Limit",
                                          .maxLength = 6,
                                          .kept = AxisField::IntgLimit}))
{
}

} // namespace tarvik
