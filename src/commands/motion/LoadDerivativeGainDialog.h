#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Derivative Gain: load_deriv_gain, the derivative gain (0 to 32767) of one axis of a servo
// board, kept as the axis's DerivGain after status 0.
class LoadDerivativeGainDialog : public CommandDialog {
public:
    explicit LoadDerivativeGainDialog(App& app);

    TextBox& dergaintxt = field(0);
};

} // namespace tarvik
