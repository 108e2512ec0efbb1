#include "commands/motion/LoadRpspsDialog.h"

#include "commands/motion/AxisValueDesign.h"

namespace tarvik {

LoadRpspsDialog::LoadRpspsDialog(App& app)
    : CommandDialog(app, axisValueDesign(
          &MotionDriver::load_rpsps,
          {.name = "frmldrpsps", .caption = "Load RPSPS", .helpTopic = 337, .mask = kMotionGroups},
          {.name = "rpspstxt", .label = "RPS/Sec", .maxLength = 6,
           .rule = {.keys = kDecimalKeys, .check = FieldCheck::ValidateDouble, .bounds = {0, 100000},
                    .selectOnFocus = false}}))
{
}

} // namespace tarvik
