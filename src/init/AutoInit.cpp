#include "init/AutoInit.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"
#include "init/InitSequences.h"
#include "init/InitSteps.h"
#include "init/InitializeBoardMenu.h"
#include "init/StartUpInitWindow.h"
#include "init/StartUpOptions.h"
#include "program/App.h"
#include "program/MenuBar.h"
#include "shell/Shell.h"

#include <span>
#include <vector>

namespace tarvik {

namespace {

// Where a stop left start-up's initialisation: the board it stopped (an index into the boards
// to initialise), where it stood, and the refusals of the kill of its motion.
struct StopPoint {
    std::size_t board = 0;
    std::string where{};
    std::string killRefused{};
    bool hasMotion = true;
};

// File > Quit, which stays in reach with the main window's close box.
std::vector<const Control*> programEndControls(App& app)
{
    std::vector<const Control*> controls;
    if (const MenuBar* bar = app.menuBar())
        for (std::string_view name : {kFileMenu, kQuitItem})
            if (const MenuItem* item = bar->menu(name)) controls.push_back(item);
    return controls;
}

// Kills every axis of the motion board a stop left mid-sequence (an encoder board has none), and
// says where the stop left the initialisation, with a sentence for each axis that refused.
StopPoint stoppedAt(App& app, std::size_t index, std::int16_t board, std::string where)
{
    StopPoint stop{.board = index, .where = std::move(where)};
    const std::optional<BoardInitValues> values = InitValuesOf(app, board);
    stop.hasMotion = values && values->group != BoardGroup::Encoder;
    if (!stop.hasMotion) return stop;
    for (std::int16_t axis = 1; axis <= values->axisCount; ++axis)
        if (const DriverStatus status = app.driver().kill_motion(board, axis))
            stop.killRefused += " Axis" + strSigned(axis) + " of board ID" + strSigned(board) +
                                " could not be killed: " + StatusText(status);
    return stop;
}

// Initialises the boards in turn, the window following each sequence; the user's input reaches
// only that window and what ends the program. A stop, or the program's end, kills the motion of
// the board it finds mid-sequence and leaves the others alone.
std::optional<StopPoint> initialiseWatched(App& app, std::span<const std::int16_t> boards,
                                           const Preferences& preferences, StartUpInitWindow& window)
{
    Runtime& runtime = app.runtime();
    const Runtime::InputHold hold = runtime.holdInputFor(window, runtime.mainForm(), programEndControls(app));
    for (std::size_t i = 0; i < boards.size(); ++i) {
        const std::int16_t board = boards[i];
        const int option = preferences[static_cast<std::size_t>(board)].option();
        window.showBoard(board, option);
        LoadBoardIntoWizard(app, board, option, OptionSource::Record);
        InitializeBoard(app, board, &window);
        // The program may also end from the error window of a failure: the board is stopped too.
        if (window.stopped() || runtime.endRequested()) return stoppedAt(app, i, board, window.whereItStands());
        ShowInitState(app, board);
        ShowInitStateInMenu(app, board);
    }
    return std::nullopt;
}

// "board ID 3", "boards ID 3 and 5", "boards ID 3, 5 and 7".
std::string boardList(std::span<const std::int16_t> boards)
{
    std::string list = boards.size() == 1 ? "board ID" : "boards ID";
    for (std::size_t i = 0; i < boards.size(); ++i) {
        if (i > 0) list += i + 1 == boards.size() ? " and" : ",";
        list += strSigned(boards[i]);
    }
    return list;
}

std::string stopReport(std::span<const std::int16_t> boards, const StopPoint& stop)
{
    std::string report = "Initialization at start-up was stopped at " + stop.where + ".";
    if (stop.hasMotion)
        report += " The motion of board ID" + strSigned(boards[stop.board]) + " was killed." + stop.killRefused;
    const std::string left = boardList(boards.subspan(stop.board));
    report += " Not initialized: " + left + "; initialize " + (stop.board + 1 == boards.size() ? "it" : "them") +
              " from the Initialize Board menu.";
    return report;
}

} // namespace

void PrepareBoardOptions(App& app, const std::optional<Preferences>& preferences)
{
    const PerBoard<bool> read = ReadStartUpOptions(app, preferences.value_or(Preferences{}));
    if (!preferences) return;
    std::vector<std::int16_t> boards;
    for (std::int16_t board = 0; board < kBoardIdCount; ++board) {
        const auto b = static_cast<std::size_t>(board);
        if (app.state().boards.isBoard(board) && read[b] && (*preferences)[b].initialisesAtStartUp()) boards.push_back(board);
    }
    if (boards.empty()) return;

    StartUpInitWindow& window = app.form<StartUpInitWindow>();
    window.show();
    const std::optional<StopPoint> stop = initialiseWatched(app, boards, *preferences, window);
    window.unload();
    if (!stop || app.runtime().endRequested()) return;
    // The stopped board and every one after it are left as a failure leaves a board, said once.
    for (std::size_t i = stop->board; i < boards.size(); ++i) ShowInitStateInMenu(app, boards[i]);
    ShowInitState(app, boards[stop->board]);
    ShowErrorMessage(app, stopReport(boards, *stop));
}

} // namespace tarvik
