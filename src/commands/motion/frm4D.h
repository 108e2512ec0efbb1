#pragma once

#include "forms/common/CommandDialog.h"

namespace tarvik {

// Kill Motion: kill_motion, one axis of a motion board (no encoder boards) stops at once.
class frm4D : public CommandDialog {
public:
    explicit frm4D(App& app);
};

} // namespace tarvik
