#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Trigger I/O Port #: trigger_io, which triggers an I/O port of the board by number (1 to 6 on
// 3-axis boards, 1 to 4 on the others). Lists every board.
class TriggerIoPortDialog : public CommandDialog {
public:
    explicit TriggerIoPortDialog(App& app);

    TextBox& pnumtxt = field(0);
};

} // namespace tarvik
