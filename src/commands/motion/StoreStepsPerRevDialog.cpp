#include "commands/motion/StoreStepsPerRevDialog.h"

#include "commands/motion/AxisValueDesign.h"
#include "commands/motion/CountsPerRev.h"

namespace tarvik {

StoreStepsPerRevDialog::StoreStepsPerRevDialog(App& app)
    : CommandDialog(app, axisValueDesign(&MotionDriver::store_steps_rev,
                                         {.name = "frmstorespr", .caption = "Store Steps Per Rev", .helpTopic = 363,
                                          .mask = kOpenLoopStepperGroups,
                                          .kept = {{.field = AxisField::StepsPerRev, .shownAtLoad = true}}},
                                         countPerRevField("sprtxt", "Label3", "Steps/Rev", 32767)))
{
}

} // namespace tarvik
