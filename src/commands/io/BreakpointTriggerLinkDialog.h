#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Set Breakpoint To Trigger Link: enable_pos_trig, which links an axis's breakpoint to trigger
// buffer 0 to 4 (the entry, preset 1, is sent as the third argument), on 2/4-axis servo and
// stepper boards.
class BreakpointTriggerLinkDialog : public CommandDialog {
public:
    explicit BreakpointTriggerLinkDialog(App& app);

    TextBox& porttxt = field(0);
};

} // namespace tarvik
