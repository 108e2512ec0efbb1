#include "panels/xy/XyFindHomePanel.h"

#include "base/NumberText.h"
#include "common/FocusBackToStart.h"
#include "common/SearchVelocity.h"
#include "driver/StatusWords.h"
#include "program/App.h"
#include "program/SettingsRecords.h"

namespace tarvik {

namespace {

// The homing panels search on the board's first two axes, X and Y.
constexpr std::int16_t kXyAxes[] = {1, 2};

// How a search that ended is reported, first match wins.
constexpr SearchEndReport kEndReports[] = {
    {AxisStatusPositionError, true, "Following error occurred on axis"},
    {AxisStatusLimitSwitch, true, "Limit switch active on axis"},
    {AxisStatusProfileComplete, false, "Profile did not complete on axis"},
};

} // namespace

XyFindHomePanel::XyFindHomePanel(App& app)
    : XyHomingPanel(app, "frmxyhome", "Find Home", 55, "Hit continue to find home on x and y axes.")
{
    killcmd.onClick = [this] { KillRequested = 1; };
    quitcmd.onClick = [this] { quitcmd_Click(); };
}

void XyFindHomePanel::contcmd_Click()
{
    // Continue goes grey for the search, so the keyboard passes on to Kill Motion; it comes back
    // to Continue when the search is over.
    contcmd.setEnabled(false);
    FindHome();
    runEnded();
    if (!isLoaded()) return;
    const FocusBackToStart focus(contcmd, {&killcmd});
    contcmd.setEnabled(true);
    focus.apply();
}

void XyFindHomePanel::FindHome()
{
    KillRequested = 0;
    searchStarted_ = true;
    MotionDriver& driver = app_.driver();
    const auto b = static_cast<std::size_t>(board_);
    const double rpmX = findRpm(1);
    const double rpmY = findRpm(2);
    if (DriverStatus status = driver.load_rpm(board_, 1, rpmX)) return showStatus(status);
    if (DriverStatus status = driver.load_rpm(board_, 2, rpmY)) return showStatus(status);
    if (DriverStatus status = driver.load_rpsps(board_, 1, rpmX / kSearchRpmPerRpsps)) return showStatus(status);
    if (DriverStatus status = driver.load_rpsps(board_, 2, rpmY / kSearchRpmPerRpsps)) return showStatus(status);
    msgtxt.setText("Finding home in x and y directions...");
    WatchedMotion motion{.board = board_, .axes = {}, .name = "home search", .shortName = "search"};
    for (std::int16_t axis : kXyAxes) {
        const std::int16_t reverse = axis == 1 ? app_.state().xy.XHomeReverse[b] : app_.state().xy.YHomeReverse[b];
        if (DriverStatus status = driver.find_home(board_, axis, booleanArgument(reverse))) return showStatus(status);
        motion.axes.push_back(axis);
        motionStarted(motion);
    }
    for (int axis : {1, 1, 2, 2})
        if (WaitHomeAxis(axis) != 0) return;
    settle();
    for (std::int16_t axis : kXyAxes)
        if (DriverStatus status = driver.reset_pos(board_, axis)) return showStatus(status);
    msgtxt.setText("Find home sequence has completed.");
}

std::int16_t XyFindHomePanel::WaitHomeAxis(int axis)
{
    const auto killRequested = [this] {
        if (KillRequested != 1) return false;
        // Both axes are killed, each even when the other's kill fails; a failure is reported
        // and the search stays watched, so that Kill Motion can be tried again.
        KillRequested = 0;
        if (!killWatched()) return false;
        msgtxt.setText("Find home was terminated.");
        return true;
    };
    const std::optional<std::int16_t> word = waitSearchEnd(axis, true, killRequested);
    return reportSearchEnd(word, kEndReports, strSigned(axis));
}

void XyFindHomePanel::quitcmd_Click()
{
    // A search still watched is killed by the closing; otherwise an axis whose last move did
    // not complete is stopped here.
    if (!watching()) {
        MotionDriver& driver = app_.driver();
        for (std::int16_t axis : kXyAxes) {
            std::int16_t word = 0;
            driver.read_axis_stat(board_, axis, word);
            if (!hasBits(word, AxisStatusProfileComplete)) driver.kill_motion(board_, axis);
        }
    }
    unload();
}

} // namespace tarvik
