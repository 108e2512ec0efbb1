#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Rotary Counts: load_rot_counts, the rotary count (0 to 16777215, sent as a 32-bit value)
// of one axis of a 2/4-axis servo board. The axis takes any key and is clamped to 1 to 4 on every
// listed board; entering a field only empties the status box. The window sends the background
// window back only when it is resized, and a click on it does nothing.
class LoadRotaryCountsDialog : public CommandDialog {
public:
    explicit LoadRotaryCountsDialog(App& app);

    TextBox& rotcnttxt = field(0);
};

} // namespace tarvik
