#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Enable Breakpoint Function: enable_brk, which enables an axis's position breakpoint as
// absolute (0) or relative (-1), chosen by a pair of options. Lists all boards but the open-loop
// steppers. Encoder boards take absolute breakpoints only: whenever one is picked the choice is
// set to Absolute and locked, and a notice stands in place of its labels; any other board
// unlocks it again.
class EnableBreakpointDialog : public CommandDialog {
public:
    explicit EnableBreakpointDialog(App& app);

    Label lblPelto;

    OptionButton& absol = option(0);
    OptionButton& relative = option(1);

private:
    App& app_;

    void arrange();
    void showModesOfBoard();
};

} // namespace tarvik
