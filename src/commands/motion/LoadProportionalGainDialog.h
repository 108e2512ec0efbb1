#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Proportional Gain: load_prop_gain, the proportional gain (0 to 32767) of one axis of a servo
// board, kept as the axis's PropGain after status 0. The axis field takes any key: a text
// without a leading number counts as 0 and is clamped to axis 1.
class LoadProportionalGainDialog : public CommandDialog {
public:
    explicit LoadProportionalGainDialog(App& app);

    TextBox& propgaintxt = field(0);
};

} // namespace tarvik
