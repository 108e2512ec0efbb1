#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Stop Motion: stop_motion, one axis of a motion board (no encoder boards) stops in its
// stop mode.
class StopMotionDialog : public CommandDialog {
public:
    explicit StopMotionDialog(App& app);
};

} // namespace tarvik
