#pragma once

#include "forms/common/CommandDialog.h"

namespace tarvik {

// Load Integral Gain: load_intg_gain, the integral gain (0 to 32767) of one axis of a servo board,
// kept as the axis's IntgGain after status 0.
class frm59s : public CommandDialog {
public:
    explicit frm59s(App& app);

    TextBox& intgaintxt = field(0);
};

} // namespace tarvik
