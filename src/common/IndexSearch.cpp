#include "common/IndexSearch.h"

#include "base/NumberText.h"
#include "common/MotionWaits.h"
#include "common/SearchVelocity.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/App.h"

namespace tarvik {

namespace {

constexpr SearchEndReport kEndReports[] = {
    {AxisStatusLimitSwitch, true, "Limit switch active on axis #"},
    {AxisStatusHomeSwitch, true, "Home switch active on axis #"},
    {AxisStatusPositionError, true, "Following error occurred on axis #"},
    {AxisStatusProfileComplete, false, "Profile did not complete on axis #"},
};

} // namespace

bool RunIndexSearch(App& app, std::int16_t board, int axis, const IndexSearchStyle& style,
                    const IndexSearchPanel& panel)
{
    MotionDriver& driver = app.driver();
    TextBox& box = panel.statusBox;
    const auto a = static_cast<std::int16_t>(axis);
    std::int16_t word = 0;
    if (const DriverStatus status = driver.read_axis_stat(board, a, word)) {
        box.setText(StatusText(status));
        return false;
    }
    if (hasBits(word, AxisStatusRunning)) {
        box.setText(style.runningText(axis));
        return false;
    }
    const std::optional<IndexSearchValues> values = panel.values();
    if (!values) return false;
    if (!LoadSearchVelocity(driver, board, a, values->findRpm, box)) return false;
    box.setText("Executing find index sequence on axis #" + strTrimmed(axis) + "...");

    std::int16_t found = 0;
    if (const DriverStatus status = driver.find_index(board, a, values->reverse, values->offset, found)) {
        box.setText(StatusText(status));
        return false;
    }
    panel.started();
    // From here on a failing read or a wait that runs out leaves the axis possibly searching: a
    // search whose end cannot be seen is not taken as found, the axis is stopped and nothing is
    // zeroed.
    if (IsClosedLoop4AType(app.state().boards.BoardType[static_cast<std::size_t>(board)])) {
        if (const DriverStatus status = WaitIndexSearch(app, board, a, found)) {
            // The wait has killed the axis and said so; the panel gives the search up as well,
            // which keeps the axis watched while a kill fails.
            box.setText(panel.abandon(StatusText(status)));
            return false;
        }
    } else if (style.startDelayMicros > 0) {
        app.clock().spend(style.startDelayMicros);
    }
    const SearchEndWait wait{.timeoutMicros = style.endTimeoutMicros, .overdue = style.overdue};
    const std::optional<std::int16_t> end = WaitSearchEnd(app, board, a, wait, panel.abandon, box);
    if (!end || ShowSearchEnd(*end, kEndReports, strTrimmed(axis), box)) return false;
    box.setText(style.outcomeText(axis, found == 0));
    app.clock().spend(style.settleMicros);
    if (const DriverStatus status = driver.reset_pos(board, a)) {
        box.setText(StatusText(status));
        return false;
    }
    return true;
}

} // namespace tarvik
