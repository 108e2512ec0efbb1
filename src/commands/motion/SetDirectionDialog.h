#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Set Direction: set_direction, the direction of a velocity move on one axis of a servo board
// (three-axis and two/four-axis), forward (0) or reverse (-1). A click on the dialog's
// background leaves the status text in place.
class SetDirectionDialog : public CommandDialog {
public:
    explicit SetDirectionDialog(App& app);

    OptionButton& forward = option(0);
    OptionButton& rev = option(1);
    Label& forwardLabel = optionLabel(0);
    Label& reverseLabel = optionLabel(1);
};

} // namespace tarvik
