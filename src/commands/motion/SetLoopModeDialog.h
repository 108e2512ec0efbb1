#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Set Loop Mode: set_loop_mode, open-loop (0) or closed-loop (-1) operation of one axis of a
// closed-loop stepper board. The sent mode is kept as the axis's ClosedLoop flag after status 0,
// and the dialog opens with the mode of axis 1 selected. Run is enabled from the start (but not
// while no board is listed); selecting a mode, by a click or from code, empties the status box.
class SetLoopModeDialog : public CommandDialog {
public:
    explicit SetLoopModeDialog(App& app);

    OptionButton& lmo = option(0);
    OptionButton& lmc = option(1);
    Label& openLoopLabel = optionLabel(0);
    Label& closedLoopLabel = optionLabel(1);

private:
    void showStoredMode(const App& app);
};

} // namespace tarvik
