#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Velocity: load_vel, the velocity of one axis of a motion board (no encoder boards), 0 to
// 16777215 as a 32-bit value. A fixed text below the fields points servo users to Load RPM.
class LoadVelocityDialog : public CommandDialog {
public:
    explicit LoadVelocityDialog(App& app);

    TextBox& velotxt = field(0);
};

} // namespace tarvik
