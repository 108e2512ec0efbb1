#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Start Motion: start_motion, the move loaded into one axis of a motion board (no encoder
// boards) starts.
class StartMotionDialog : public CommandDialog {
public:
    explicit StartMotionDialog(App& app);
};

} // namespace tarvik
