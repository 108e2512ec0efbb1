#include "commands/motion/KillAllDialog.h"

#include "driver/StatusText.h"

namespace tarvik {

KillAllDialog::KillAllDialog(App& app)
    : CommandDialog(app, {.name = "frmkillall", .caption = "Kill All", .helpTopic = 346, .mask = kMotionGroups,
                          .axis = std::nullopt,
                          .boardKeys = false, .call = &KillAllDialog::killEveryAxis})
{
}

// Every axis is sent its kill whatever an earlier one answered: an axis left running because
// another refused would defeat the command. The first refusal is what the user is told.
DriverStatus KillAllDialog::killEveryAxis(CommandRun& run)
{
    const int axes = run.type <= 2 ? 3 : 4;
    DriverStatus first = ZEVA_noError;
    for (int axis = 1; axis <= axes; ++axis) {
        const DriverStatus status = run.driver.kill_motion(run.board, static_cast<std::int16_t>(axis));
        if (first == ZEVA_noError) first = status;
    }
    return first;
}

} // namespace tarvik
