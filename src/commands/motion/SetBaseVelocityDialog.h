#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Set Base Velocity: set_base_vel, 0 to 5000 for one axis of a stepper board (open- and
// closed-loop, three- and two/four-axis).
class SetBaseVelocityDialog : public CommandDialog {
public:
    explicit SetBaseVelocityDialog(App& app);

    TextBox& basevtxt = field(0);
};

} // namespace tarvik
