#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Integral Gain: load_intg_gain, the integral gain (0 to 32767) of one axis of a servo board,
// kept as the axis's IntgGain after status 0.
class LoadIntegralGainDialog : public CommandDialog {
public:
    explicit LoadIntegralGainDialog(App& app);

    TextBox& intgaintxt = field(0);
};

} // namespace tarvik
