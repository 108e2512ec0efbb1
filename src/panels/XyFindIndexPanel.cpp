#include "panels/XyFindIndexPanel.h"

#include "base/NumberText.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "forms/common/MotionWaits.h"
#include "program/App.h"
#include "program/SettingsRecords.h"

#include <string>

namespace tarvik {

namespace {

// How a search that ended is reported, first match wins.
constexpr SearchEndReport kEndReports[] = {
    {AxisStatusLimitSwitch, true, "Limit switch active on axis #"},
    {AxisStatusHomeSwitch, true, "Home switch active on axis #"},
    {AxisStatusPositionError, true, "Following error occurred on axis #"},
    {AxisStatusProfileComplete, false, "Profile did not complete on axis #"},
};

} // namespace

XyFindIndexPanel::XyFindIndexPanel(App& app)
    : XyHomingPanel(app, "frmxyindex", "Find Index", "Hit continue to find index on x and y axes.")
{
    quitcmd.onClick = [this] { unload(); };
}

void XyFindIndexPanel::Form_Load()
{
    app_.state().XyIndexStarted = false;
    loadPanel(app_.state().XyIndexBoard);
}

void XyFindIndexPanel::contcmd_Click()
{
    std::int16_t found = 0;
    for (int axis : {1, 2}) {
        const bool goOn = FindIndexOnAxis(axis, found);
        runEnded();
        if (!goOn) return;
    }
}

bool XyFindIndexPanel::FindIndexOnAxis(int axis, std::int16_t& found)
{
    MotionDriver& driver = app_.driver();
    const auto a = static_cast<std::int16_t>(axis);
    const auto b = static_cast<std::size_t>(board_);
    const std::string n = strTrimmed(axis);
    std::int16_t word = 0;
    if (DriverStatus status = driver.read_axis_stat(board_, a, word)) {
        showStatus(status);
        return false;
    }
    if (hasBits(word, AxisStatusRunning)) {
        msgtxt.setText("Axis #" + n + " is running. Cannot find index.");
        return false;
    }
    if (axis == 1) app_.state().XyIndexStarted = true;
    if (!loadSearchVelocity(axis, findRpm(axis))) return false;
    msgtxt.setText("Executing find index sequence on axis #" + n + "...");
    const std::int16_t reverse = axis == 1 ? app_.state().XIndexReverse[b] : app_.state().YIndexReverse[b];
    const std::int16_t offset = axis == 1 ? app_.state().XRefOffset[b] : app_.state().YRefOffset[b];
    if (DriverStatus status = driver.find_index(board_, a, booleanArgument(reverse), offset, found)) {
        showStatus(status);
        return false;
    }
    motionStarted({.board = board_, .axes = {a}, .name = "index search", .shortName = "search"});
    if (IsClosedLoop4AType(app_.state().BoardType[b])) {
        // A search whose end cannot be seen is not taken as found: the axis is stopped and the
        // sequence ends with the reason, nothing zeroed.
        if (DriverStatus status = WaitIndexSearch(app_, board_, a, found)) {
            msgtxt.setText(abandonMotion(StatusText(status)));
            return false;
        }
    }
    if (WaitIndexAxis(axis) != 0) return false;
    msgtxt.setText(found == 0 ? "Index was found on axis " + n + "." : "Index was not found on axis " + n + ".");
    settle();
    if (DriverStatus status = driver.reset_pos(board_, a)) {
        showStatus(status);
        return false;
    }
    return true;
}

std::int16_t XyFindIndexPanel::WaitIndexAxis(int axis)
{
    const std::optional<std::int16_t> word = waitSearchEnd(axis, false, nullptr);
    return reportSearchEnd(word, kEndReports, strTrimmed(axis));
}

} // namespace tarvik
