#pragma once

#include "forms/common/CommandDialog.h"

namespace tarvik {

// Load Anticipation Time Breakpoint: load_time_brk, 0 to 65535 as a 32-bit value, for one axis of
// a servo board (three-axis and two/four-axis servo boards only).
class frm67 : public CommandDialog {
public:
    explicit frm67(App& app);

    TextBox& atimetxt = field(0);
};

} // namespace tarvik
