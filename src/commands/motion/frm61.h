#pragma once

#include "forms/common/CommandDialog.h"

namespace tarvik {

// Start Motion: start_motion, the move loaded into one axis of a motion board (no encoder
// boards) starts.
class frm61 : public CommandDialog {
public:
    explicit frm61(App& app);
};

} // namespace tarvik
