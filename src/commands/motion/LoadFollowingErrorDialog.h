#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Following Error Count: load_fol_err, the following-error limit in counts of one axis of a
// servo or closed-loop stepper board, sent as a 32-bit value and kept as the axis's
// FollowingError after status 0. The box opens with the FollowingError of axis 1 of the
// preselected board. Servo boards take 1 to 32767 counts, closed-loop steppers 1 to 65535; the
// box is checked against the selected board's range as it changes and again whenever another
// board is chosen, so a count is never sent, nor kept, beyond the range of the board it goes to.
class LoadFollowingErrorDialog : public CommandDialog {
public:
    explicit LoadFollowingErrorDialog(App& app);

    TextBox& follerrtxt = field(0);
};

} // namespace tarvik
