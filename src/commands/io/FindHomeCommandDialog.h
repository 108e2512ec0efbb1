#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Find Home: find_home, which starts the home search of one axis of a motion board (no encoder
// boards; the mask stays in the dialog) in the chosen direction and returns; the dialog does not
// wait for the axis. It opens with the direction the board's settings record holds for axis 1,
// and after status 0 keeps the direction sent as HomeReverse of the commanded board and axis.
class FindHomeCommandDialog : public CommandDialog {
public:
    explicit FindHomeCommandDialog(App& app);

    OptionButton& forward = option(0);
    OptionButton& reverse = option(1);
};

} // namespace tarvik
