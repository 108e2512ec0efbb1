#include "init/InitSequences.h"

#include "init/InitSteps.h"
#include "init/SaveOption.h"
#include "init/SettingsRanges.h"
#include "program/App.h"
#include "shell/MainWindowServices.h"
#include "shell/Shell.h"

#include <string>

namespace tarvik {

namespace {

// Axis 1 and axis 2 values kept per board for the XY demo.
void keepAxisCopies(App& app, const BoardInitValues& values)
{
    const auto b = static_cast<std::size_t>(values.board);
    const AxisInitValues& x = values.axis(1);
    const AxisInitValues& y = values.axis(2);
    app.state().xy.XCountsPerRev[b] = x.countsPerRev;
    app.state().xy.YCountsPerRev[b] = y.countsPerRev;
    app.state().xy.XFindRpm[b] = x.findRpm;
    app.state().xy.YFindRpm[b] = y.findRpm;
    app.state().xy.XHomeReverse[b] = x.homeReverse;
    app.state().xy.YHomeReverse[b] = y.homeReverse;
    app.state().xy.XIndexReverse[b] = x.indexReverse;
    app.state().xy.YIndexReverse[b] = y.indexReverse;
    app.state().xy.XRefOffset[b] = x.refOffset;
    app.state().xy.YRefOffset[b] = y.refOffset;
    app.state().xy.XClosedLoop[b] = x.loopMode;
    app.state().xy.YClosedLoop[b] = y.loopMode;
}

// Switches on the Test and Demo items an initialised board of the group can use: the XY demo
// for every board, the servo or stepper single-axis test for motion boards. An item whose
// window is not part of the program stays off.
void enableTestItems(App& app, BoardGroup group)
{
    SwitchMenuItem(app, kXyDemoItem, true);
    if (group == BoardGroup::Servo3 || group == BoardGroup::Servo4)
        SwitchMenuItem(app, kTestServoItem, true);
    else if (group != BoardGroup::Encoder)
        SwitchMenuItem(app, kTestStepperItem, true);
}

} // namespace

bool InitializeBoard(App& app, std::int16_t boardId, InitWatch* watch, InitOccasion occasion)
{
    const std::optional<BoardInitValues> values = InitValuesOf(app, boardId);
    if (!values) {
        ShowErrorMessage(app, "There is no board with ID " + std::to_string(boardId) + " to initialize.");
        return false;
    }
    const auto b = static_cast<std::size_t>(boardId);
    const std::int16_t option = OptionOf(app, values->group);
    // A record holding a value the board cannot take is not sent at all, so the board stays
    // as it was.
    if (std::string report = OutOfRangeReport(app, boardId, option); !report.empty()) {
        ShowErrorMessage(app, "Board ID " + std::to_string(boardId) + " was not initialized. " + report);
        return false;
    }

    app.state().boards.BoardInitState[b] = -1;
    BoardInitValues sending = *values;
    sending.watch = watch;
    if (std::optional<std::string> failure = SendInitSteps(app, sending)) {
        // At start-up one board's failure may follow another's before the user has seen any
        // board: each names its board and option.
        if (occasion == InitOccasion::StartUp && !failure->empty())
            failure->insert(0, "Board ID " + std::to_string(boardId) + " was not initialized at start-up with option " +
                                   std::to_string(option) + ": ");
        if (!failure->empty()) ShowErrorMessage(app, *failure);
        return false;
    }
    app.state().boards.BoardInitState[b] = 1;
    app.state().boards.BoardOption[b] = option;
    keepAxisCopies(app, *values);
    enableTestItems(app, values->group);
    return true;
}

} // namespace tarvik
