#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Acceleration Factor: load_accel_fact, a factor of 1 to 10 for one axis of a stepper board
// (open- and closed-loop, three- and two/four-axis).
class LoadAccelerationFactorDialog : public CommandDialog {
public:
    explicit LoadAccelerationFactorDialog(App& app);

    TextBox& accelftxt = field(0);
};

} // namespace tarvik
