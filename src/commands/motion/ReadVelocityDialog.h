#pragma once

#include "common/CommandDialog.h"
#include "driver/MotionDriver.h"

namespace tarvik {

// Read Present Velocity: the present velocity of one axis of any listed board, shown in
// `vellbl`. Stepper boards (open- and closed-loop) answer read_steps_vel with a 32-bit value;
// servo and encoder boards answer read_vel with a 16-bit one.
class ReadVelocityDialog : public CommandDialog {
public:
    explicit ReadVelocityDialog(App& app);

    Label& vellbl = readBack(0);

private:
    static DriverStatus readVelocity(CommandRun& run);
};

} // namespace tarvik
