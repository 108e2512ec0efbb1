#include "init/FindHomePanel.h"

#include "base/NumberText.h"
#include "common/MotionWaits.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/App.h"

namespace tarvik {

namespace {

// How long the axis is left to settle after the search before its position is reset. Window
// events keep running, so "Kill Motion" still acts during it.
constexpr std::int64_t kHomeSettleMicros = 500'000;

constexpr std::int16_t kWaitEndedOtherwise = -1;

const HomingPanelLayout kLayout{
    .name = "frmfindhome",
    .caption = "Find Home",
    .helpTopic = 322,
    .searchName = "home search",
    .axisLefts = {180, 1260, 2340, 3420},
    .axisTop = 120,
    .axisWidth = 855,
    .axisHeight = 495,
    .quit = {.caption = "Done", .left = 2700, .top = 960, .width = 615, .height = 375, .tabIndex = 5},
    .status = {.left = 60, .top = 1440, .width = 4332, .height = 852, .tabIndex = 6},
};

} // namespace

FindHomePanel::FindHomePanel(App& app) : HomingPanel(app, kLayout)
{
    cmdkill.onClick = [this] { cmdkill_Click(); };
}

void FindHomePanel::cmdaxis_Click(int axis)
{
    if (!mayRunOn(axis)) return;
    cmdquit.setEnabled(false);
    enableAxisButtons(axisCount(), false);
    FindHomeOnAxis(axis);
    runEnded();
    if (!isLoaded()) return;
    cmdquit.setEnabled(true);
    enableAxisButtons(cmdaxis.count(), true);
}

void FindHomePanel::FindHomeOnAxis(int axis)
{
    const std::optional<SearchSettings> settings = searchSettings(axis);
    if (!settings || !loadSearchVelocity(axis, settings->findRpm)) return;
    const auto a = static_cast<std::int16_t>(axis);
    MotionDriver& driver = app_.driver();
    if (const DriverStatus status = driver.find_home(board_, a, settings->homeReverse)) {
        showStatus(status);
        return;
    }
    killFlag_ = 0;
    killFailure_ = ZEVA_noError;
    searchStarted(a);
    if (!homeMoveEnded(axis)) return;
    // A second look after pending events: a Kill Motion click that came in as the move ended.
    if (!letEventsRun() || !homeMoveEnded(axis)) return;
    if (!settle(axis)) return;
    if (const DriverStatus status = driver.reset_pos(board_, a))
        showStatus(status);
    else
        msgtxt.setText("Find home sequence has completed.");
}

std::int16_t FindHomePanel::WaitHomeMove(int axis)
{
    const auto a = static_cast<std::int16_t>(axis);
    std::int16_t word = 0;
    for (;;) {
        msgtxt.setText("Finding home on axis #" + strSigned(axis) + "..." + killFailureLine());
        if (killFlag_ == 1) {
            killFlag_ = 0;
            if (killWatched()) {
                killFailure_ = ZEVA_noError;
                msgtxt.setText("Find home was terminated.");
                return kWaitEndedOtherwise;
            }
            // The axis may still be moving: it stays watched, so Kill Motion can be tried again,
            // and the status box says the kill failed until the search ends.
            killFailure_ = lastKillFailure();
            msgtxt.setText("Finding home on axis #" + strSigned(axis) + "..." + killFailureLine());
        }
        if (const DriverStatus status = app_.driver().read_axis_stat(board_, a, word)) return status;
        if (AxisMoveDone(word)) break;
        if (!letEventsRunUntil(app_.clock().nowMicros() + kEventPollIntervalMicros)) return kWaitEndedOtherwise;
    }
    // A search the user asked to kill is no finished search, even when it ended by itself: the
    // position is not reset.
    if (killFailure_ != ZEVA_noError) {
        msgtxt.setText(StatusText(killFailure_) + "\r\nKill Motion failed; the position was not reset.");
        return kWaitEndedOtherwise;
    }
    if (hasBits(word, AxisStatusPositionError)) {
        msgtxt.setText("Following error occurred on axis" + strSigned(axis) + ".");
        return kWaitEndedOtherwise;
    }
    if (hasBits(word, AxisStatusProfileComplete)) return ZEVA_noError;
    msgtxt.setText("Profile did not complete on axis" + strSigned(axis) + ".");
    return kWaitEndedOtherwise;
}

std::string FindHomePanel::killFailureLine() const
{
    return killFailure_ == ZEVA_noError ? std::string() : "\r\nKill Motion failed: " + StatusText(killFailure_);
}

bool FindHomePanel::homeMoveEnded(int axis)
{
    const std::int16_t result = WaitHomeMove(axis);
    // The axis can no longer be watched: stop it rather than leave it searching once the panel
    // can be closed.
    if (result != ZEVA_noError && result != kWaitEndedOtherwise) abandonSearch(StatusText(result));
    return result == ZEVA_noError;
}

bool FindHomePanel::settle(int axis)
{
    Clock& clock = app_.clock();
    const std::int64_t settled = clock.nowMicros() + kHomeSettleMicros;
    for (;;) {
        // Sleeps until the settling time is over, unless events come first (a Kill Motion click).
        if (!letEventsRunUntil(settled)) return false;
        if (killFlag_ != 0) {
            // The move has ended; a kill that fails is shown in place of the search's message.
            const DriverStatus status = app_.driver().kill_motion(board_, static_cast<std::int16_t>(axis));
            if (status == ZEVA_noError)
                msgtxt.setText("Find home was terminated.");
            else
                showStatus(status);
            return false;
        }
        if (clock.nowMicros() >= settled) return true;
    }
}

} // namespace tarvik
