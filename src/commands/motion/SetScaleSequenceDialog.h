#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Set Scale Factor Sequence: set_scale_seq, whether the position scale factor of one axis
// multiplies first (0) or divides first (-1), on the boards that close the position loop (servo
// and closed-loop stepper boards, three-axis and two/four-axis).
class SetScaleSequenceDialog : public CommandDialog {
public:
    explicit SetScaleSequenceDialog(App& app);

    OptionButton& mf = option(0);
    OptionButton& df = option(1);
    Label& multiplyFirstLabel = optionLabel(0);
    Label& divideFirstLabel = optionLabel(1);
};

} // namespace tarvik
