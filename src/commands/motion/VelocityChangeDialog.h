#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Incremental Velocity Change: load_vel_change, a signed change of -20000 to 20000 to the velocity
// of one axis of a stepper board (open- and closed-loop, three- and two/four-axis).
class VelocityChangeDialog : public CommandDialog {
public:
    explicit VelocityChangeDialog(App& app);

    TextBox& adjveltxt = field(0);
};

} // namespace tarvik
