#include "common/WatchedMotionPanel.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"
#include "program/App.h"
#include "shell/Shell.h"

#include <utility>

namespace tarvik {

WatchedMotionPanel::WatchedMotionPanel(App& app, std::string name, FormDesign design)
    : Form(app.runtime(), std::move(name), std::move(design)), app_(app)
{
}

void WatchedMotionPanel::Form_QueryUnload(int& cancel, UnloadReason)
{
    // An axis that may still be moving keeps the panel, and with it the means to stop the axis.
    if (!stopWatchedForClosing()) cancel = 1;
}

void WatchedMotionPanel::motionStarted(WatchedMotion motion)
{
    motion_ = std::move(motion);
    unstopped_ = false;
}

void WatchedMotionPanel::runEnded()
{
    if (!unstopped_) forget();
}

bool WatchedMotionPanel::killWatched()
{
    // The error window lets events run, and with them another kill of the same axes: the loop
    // goes over a copy and takes each stopped axis out of the watch by itself.
    const WatchedMotion motion = motion_;
    for (const std::int16_t axis : motion.axes) {
        const DriverStatus status = app_.driver().kill_motion(motion.board, axis);
        if (status == ZEVA_noError) {
            std::erase(motion_.axes, axis);
            continue;
        }
        lastKillFailure_ = status;
        ShowErrorMessage(app_, "The " + motion.name + " on axis " + strTrimmed(axis) + " of board " +
                                   strTrimmed(motion.board) + " could not be stopped: " + StatusText(status));
    }
    if (!watching()) unstopped_ = false;
    return !watching();
}

std::string WatchedMotionPanel::abandonMotion(const std::string& reason)
{
    const std::string shortName = motion_.shortName;
    unstopped_ = !killWatched();
    return reason + "\r\nThe " + shortName + (unstopped_ ? " could not be stopped." : " was stopped.");
}

bool WatchedMotionPanel::letEventsRun() { return afterEvents(app_.runtime().doEvents()); }

bool WatchedMotionPanel::letEventsRunUntil(std::int64_t deadlineMicros)
{
    return afterEvents(app_.runtime().awaitEvents(deadlineMicros));
}

bool WatchedMotionPanel::afterEvents(bool goOn)
{
    if (!goOn) {
        // The program is ending: no axis may go on moving with nobody watching it. A failing
        // kill cannot keep the program; it is tried once.
        killWatched();
        forget();
        return false;
    }
    return isLoaded();
}

void WatchedMotionPanel::forget()
{
    motion_.axes.clear();
    unstopped_ = false;
}

} // namespace tarvik
