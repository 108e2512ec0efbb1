#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Get Motion Board Name: get_motion_board_name, called twice: first without a buffer to learn the
// name's length, then with a buffer of that length and one more character. The name shown ends
// at the first NUL, at the length the first call gave or at the one the second handed back,
// whichever comes first, and never inside a UTF-8 character. A first call that fails, or reports
// a length outside 0 to kLongestBoardName, makes no second call. Lists every board. A click, double-click or the focus
// on the name box empties it.
class BoardNameDialog : public CommandDialog {
public:
    static constexpr std::int32_t kLongestBoardName = 255;

    explicit BoardNameDialog(App& app);

    Label BoardNameLabel;
    TextBox BoardName;

private:
    DriverStatus readName(CommandRun& run);
};

} // namespace tarvik
