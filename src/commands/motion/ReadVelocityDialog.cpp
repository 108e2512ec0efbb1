#include "commands/motion/ReadVelocityDialog.h"

#include "commands/motion/AxisReadDesign.h"
#include "driver/BoardTypes.h"

#include <optional>

namespace tarvik {

ReadVelocityDialog::ReadVelocityDialog(App& app)
    : CommandDialog(app, axisReadDesign({.name = "frm54rets",
                                         .caption = "Read Present Velocity",
                                         .helpTopic = 334,
                                         .valueCaption = "Present Velocity",
                                         .valueName = "vellbl"},
                                        &ReadVelocityDialog::readVelocity))
{
}

DriverStatus ReadVelocityDialog::readVelocity(CommandRun& run)
{
    // The entry point follows the board's class, not its axis count: the 3-axis steppers read
    // steps per second as the 2/4-axis ones do.
    const std::optional<BoardClass> boardClass = classOf(run.type);
    const bool stepper = boardClass == BoardClass::OpenLoopStepper || boardClass == BoardClass::ClosedLoopStepper;
    return stepper ? readIntoLabel(run, &MotionDriver::read_steps_vel) : readIntoLabel(run, &MotionDriver::read_vel);
}

} // namespace tarvik
