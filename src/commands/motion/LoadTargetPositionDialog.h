#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Target Position: load_target_pos, the target position of one axis of a motion board (no
// encoder boards), a signed 32-bit value over the whole 32-bit range.
class LoadTargetPositionDialog : public CommandDialog {
public:
    explicit LoadTargetPositionDialog(App& app);

    TextBox& postxt = field(0);
};

} // namespace tarvik
