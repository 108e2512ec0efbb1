#pragma once

#include "common/CommandDialog.h"

#include <cstdint>

namespace tarvik {

// Load Position Scale Factor: load_pos_scale, the position scale factor of one axis of a board
// that closes the position loop (servo and closed-loop stepper boards), a numerator and a
// denominator of 1 to 32767 each, packed into one 32-bit value. The axis goes through
// CurrentAxis.
class LoadPositionScaleFactorDialog : public CommandDialog {
public:
    explicit LoadPositionScaleFactorDialog(App& app);

    TextBox& numertxt = field(0);
    TextBox& denomtxt = field(1);

private:
    // The packed scale factor: the numerator in bits 31..16, the denominator in bits 15..0.
    static std::int32_t packScale(std::int32_t numerator, std::int32_t denominator);
};

} // namespace tarvik
