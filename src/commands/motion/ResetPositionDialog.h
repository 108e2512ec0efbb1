#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Reset Position: reset_pos, the position of one axis of any board, encoder boards included,
// becomes zero. A click into the status box leaves the status text in place.
class ResetPositionDialog : public CommandDialog {
public:
    explicit ResetPositionDialog(App& app);
};

} // namespace tarvik
