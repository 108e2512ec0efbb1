#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Position Breakpoint: load_pos_brk, the position at which an axis's breakpoint fires,
// -1073741824 to 1073741823; a sign only as the first character. Lists all boards but the open-
// loop steppers.
class LoadPositionBreakpointDialog : public CommandDialog {
public:
    explicit LoadPositionBreakpointDialog(App& app);

    TextBox& brkpostxt = field(0);
};

} // namespace tarvik
