#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Breakpoint Modulus: load_break_mod, the modulus of an axis's breakpoint, 0 to 1073741823,
// on 2/4-axis servo and closed-loop stepper boards.
class LoadBreakpointModulusDialog : public CommandDialog {
public:
    explicit LoadBreakpointModulusDialog(App& app);

    TextBox& brkmodtxt = field(0);
};

} // namespace tarvik
