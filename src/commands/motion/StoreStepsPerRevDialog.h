#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Store Steps Per Rev: store_steps_rev, the motor steps per revolution of one axis of an
// open-loop stepper board, 1 to 32767. The sent count is kept as the axis's StepsPerRev after
// status 0, and the box opens with the StepsPerRev of axis 1.
class StoreStepsPerRevDialog : public CommandDialog {
public:
    explicit StoreStepsPerRevDialog(App& app);

    TextBox& sprtxt = field(0);
};

} // namespace tarvik
