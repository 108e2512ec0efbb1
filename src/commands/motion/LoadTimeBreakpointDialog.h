#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Anticipation Time Breakpoint: load_time_brk, 0 to 65535 as a 32-bit value, for one axis of
// a servo board (three-axis and two/four-axis servo boards only).
class LoadTimeBreakpointDialog : public CommandDialog {
public:
    explicit LoadTimeBreakpointDialog(App& app);

    TextBox& atimetxt = field(0);
};

} // namespace tarvik
