#include "init/FindIndexPanel.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "forms/common/MotionWaits.h"
#include "program/App.h"

namespace tarvik {

namespace {

// Time the 3-axis boards are given to carry out the search command before the axis is polled.
constexpr std::int64_t kIndexStartDelayMicros = 40'000;
// Time the axis is left to settle on the index before its position is reset.
constexpr std::int64_t kIndexSettleMicros = 200'000;

constexpr std::int16_t kStoppedOtherwise = -1;

const HomingPanelLayout kLayout{
    .name = "frmfindindx",
    .caption = "Find Index",
    .helpTopic = 323,
    .searchName = "index search",
    .axisLefts = {120, 1200, 2280, 3360},
    .axisTop = 180,
    .axisWidth = 852,
    .axisHeight = 492,
    .quit = {.caption = "Done", .left = 1860, .top = 900, .width = 612, .height = 372, .tabIndex = 4},
    .status = {.left = 60, .top = 1440, .width = 4215, .height = 855, .tabIndex = 5},
};

// The wizard whose Closed Loop option buttons tell which axes of a closed-loop stepper board may
// search for their index.
const char* loopModeWizardOf(BoardGroup group)
{
    switch (group) {
    case BoardGroup::ClosedLoop3: return "frminitstcl";
    case BoardGroup::ClosedLoop4: return "frminitstcl4a";
    default: return nullptr;
    }
}

// The stop conditions WaitIndexMove reports, in the order they are tested, with their message.
struct StopReport {
    std::uint16_t bit;
    const char* message;
};
constexpr StopReport kStopReports[] = {
    {AxisStatusLimitSwitch, "Limit switch active on axis #"},
    {AxisStatusHomeSwitch, "Home switch active on axis #"},
    {AxisStatusPositionError, "Following error occurred on axis #"},
};

} // namespace

FindIndexPanel::FindIndexPanel(App& app) : HomingPanel(app, kLayout) {}

void FindIndexPanel::cmdaxis_Click(int axis)
{
    if (!mayRunOn(axis)) return;
    enableAxisButtons(axisCount(), false);
    cmdquit.setEnabled(false);
    FindIndexOnAxis(axis);
    runEnded();
    enableAxisButtonsByLoopMode();
    cmdquit.setEnabled(true);
}

void FindIndexPanel::FindIndexOnAxis(int axis)
{
    MotionDriver& driver = app_.driver();
    const auto a = static_cast<std::int16_t>(axis);
    std::int16_t word = 0;
    if (const DriverStatus status = driver.read_axis_stat(board_, a, word)) {
        showStatus(status);
        return;
    }
    if (hasBits(word, AxisStatusRunning)) {
        msgtxt.setText("Axis" + strSigned(axis) + " is running. Cannot find index.");
        return;
    }
    if (classOf(boardType()) == BoardClass::OpenLoopStepper) {
        showStatus(ZEVA_closedLoopOnlyError);
        return;
    }
    const std::optional<SearchSettings> settings = searchSettings(axis);
    if (!settings || !loadSearchVelocity(axis, settings->findRpm)) return;
    msgtxt.setText("Executing find index sequence on axis #" + strTrimmed(axis) + "...");

    std::int16_t found = 0;
    if (const DriverStatus status = driver.find_index(board_, a, settings->indexReverse, settings->refOffset, found)) {
        showStatus(status);
        return;
    }
    searchStarted(a);
    // From here on a failing read or a wait that runs out leaves the axis possibly searching: it
    // is stopped.
    if (IsClosedLoop4AType(boardType())) {
        if (const DriverStatus status = WaitIndexSearch(app_, board_, a, found)) {
            abandonSearch(StatusText(status));
            return;
        }
    } else {
        app_.clock().spend(kIndexStartDelayMicros);
    }
    const std::int16_t stopped = WaitIndexMove(axis);
    if (stopped == kStoppedOtherwise) return;
    if (stopped != ZEVA_noError) {
        abandonSearch(StatusText(stopped));
        return;
    }
    msgtxt.setText(found == 0 ? "Index was found." : "Index not found.");
    app_.clock().spend(kIndexSettleMicros);
    if (const DriverStatus status = driver.reset_pos(board_, a)) showStatus(status);
}

std::int16_t FindIndexPanel::WaitIndexMove(int axis)
{
    const auto a = static_cast<std::int16_t>(axis);
    Clock& clock = app_.clock();
    const std::int64_t start = clock.nowMicros();
    std::int16_t word = 0;
    for (;;) {
        if (const DriverStatus status = app_.driver().read_axis_stat(board_, a, word)) return status;
        if (AxisMoveDone(word)) break;
        if (clock.nowMicros() - start >= kIndexSearchTimeoutMicros) {
            abandonSearch("Axis #" + strTrimmed(axis) + " of board " + strTrimmed(board_) + " did not stop within " +
                          strTrimmed(kIndexSearchTimeoutMicros / 1'000'000) + " seconds.");
            return kStoppedOtherwise;
        }
        clock.spend(kPollIntervalMicros);
    }
    for (const StopReport& report : kStopReports) {
        if (hasBits(word, report.bit)) {
            msgtxt.setText(report.message + strTrimmed(axis) + ".");
            return kStoppedOtherwise;
        }
    }
    if (hasBits(word, AxisStatusProfileComplete)) return ZEVA_noError;
    msgtxt.setText("Profile did not complete on axis #" + strTrimmed(axis) + ".");
    return kStoppedOtherwise;
}

void FindIndexPanel::enableAxisButtonsByLoopMode()
{
    const std::optional<BoardClass> boardClass = classOf(boardType());
    if (boardClass == BoardClass::Servo) {
        enableAxisButtons(axisCount(), true);
    } else if (boardClass == BoardClass::ClosedLoopStepper) {
        for (int axis = 1; axis <= axisCount(); ++axis) cmdaxis(axis).setEnabled(wizardHasClosedLoop(axis));
    }
}

bool FindIndexPanel::wizardHasClosedLoop(int axis) const
{
    const std::optional<BoardGroup> group = boardGroup();
    const char* wizardName = group ? loopModeWizardOf(*group) : nullptr;
    const Form* wizard = wizardName ? app_.runtime().findForm(wizardName) : nullptr;
    if (!wizard) return false;
    const auto* option = dynamic_cast<const OptionButton*>(wizard->findControl("btnClosedLoop", axis));
    return option && option->value();
}

} // namespace tarvik
