#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Derivative Sample Period: load_deriv_per, the derivative sample period selector (1 to 255)
// of one axis of a servo board, kept as the axis's DerivPeriod after status 0. The value box
// takes any key: it is judged by its leading number ("5x" is 5, a text without one is 0).
class LoadDerivativeSamplePeriodDialog : public CommandDialog {
public:
    explicit LoadDerivativeSamplePeriodDialog(App& app);

    TextBox& samppertxt = field(0);
};

} // namespace tarvik
