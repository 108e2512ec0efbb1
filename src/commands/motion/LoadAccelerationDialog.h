#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Acceleration: load_accel, the acceleration of one axis of a motion board (no encoder
// boards), 1 to 5242879 as a 32-bit value.
class LoadAccelerationDialog : public CommandDialog {
public:
    explicit LoadAccelerationDialog(App& app);

    TextBox& acceltxt = field(0);
};

} // namespace tarvik
