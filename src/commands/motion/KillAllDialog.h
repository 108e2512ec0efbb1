#pragma once

#include "common/CommandDialog.h"
#include "driver/MotionDriver.h"

namespace tarvik {

// Kill All: kill_motion for every axis of one motion board (no encoder boards): axes 1 to 3, and
// axis 4 on a four-axis type (two-axis models of such a type included). A board-level dialog
// whose Run is enabled as soon as a board is listed; the digit keys do not pick a board.
class KillAllDialog : public CommandDialog {
public:
    explicit KillAllDialog(App& app);

private:
    static DriverStatus killEveryAxis(CommandRun& run);
};

} // namespace tarvik
