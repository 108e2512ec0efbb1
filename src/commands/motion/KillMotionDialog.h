#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Kill Motion: kill_motion, one axis of a motion board (no encoder boards) stops at once.
class KillMotionDialog : public CommandDialog {
public:
    explicit KillMotionDialog(App& app);
};

} // namespace tarvik
