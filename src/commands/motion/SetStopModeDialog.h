#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Set Stop Mode: set_stop_mode, how stop_motion stops one axis of a motion board (no encoder
// boards): decelerate (1), halt (2) or kill (3), chosen with the option buttons decel(0),
// halt(0) and killb(0) (each a control array of one) in the frame "Stop Mode"; the labels
// beside them select them too, and neither clears the status text. The options open with the StopMode of axis 1 of the preselected board; a stored
// mode outside 1 to 3 selects none, and Run then waits until the user chooses one. The sent
// mode is kept as the axis's StopMode after status 0.
class SetStopModeDialog : public CommandDialog {
public:
    explicit SetStopModeDialog(App& app);

    OptionButton& decel = option(0);
    OptionButton& halt = option(1);
    OptionButton& killb = option(2);
    Label& decelLabel = optionLabel(0);
    Label& haltLabel = optionLabel(1);
    Label& killLabel = optionLabel(2);
};

} // namespace tarvik
