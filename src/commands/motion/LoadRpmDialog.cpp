#include "commands/motion/LoadRpmDialog.h"

#include "commands/motion/AxisValueDesign.h"

namespace tarvik {

LoadRpmDialog::LoadRpmDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::load_rpm,
          {.name = "frmldrpm", .caption = "Load RPM", .helpTopic = 333, .mask = kMotionGroups, .sharedAxis = true},
          {.name = "rpmtxt", .label = "RPM", .maxLength = 9,
           .rule = {.keys = kDecimalKeys, .check = FieldCheck::ValidateDouble, .bounds = {0, 100000},
                    .leaving = FieldLeaving::Decimal}}))
{
}

} // namespace tarvik
