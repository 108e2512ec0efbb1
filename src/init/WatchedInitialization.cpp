#include "init/WatchedInitialization.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"
#include "init/InitProgressWindow.h"
#include "init/InitSteps.h"
#include "init/InitializeBoardMenu.h"
#include "program/App.h"
#include "program/MenuBar.h"
#include "shell/Shell.h"

#include <string>
#include <vector>

namespace tarvik {

namespace {

// Where a stop left the initialisation: the board it stopped (an index into the boards to
// initialise), where it stood, and the refusals of the kill of its motion.
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
StopPoint killBoardMotion(App& app, std::size_t index, std::int16_t board, std::string where)
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

// "board ID 3", "boards ID 3 and 5", "boards ID 3, 5 and 7".
std::string boardList(std::span<const BoardToInitialize> boards)
{
    std::string list = boards.size() == 1 ? "board ID" : "boards ID";
    for (std::size_t i = 0; i < boards.size(); ++i) {
        if (i > 0) list += i + 1 == boards.size() ? " and" : ",";
        list += strSigned(boards[i].board);
    }
    return list;
}

std::string stopReport(std::span<const BoardToInitialize> boards, InitOccasion occasion, const StopPoint& stop)
{
    std::string report = std::string(occasion == InitOccasion::StartUp ? "Initialization at start-up"
                                                                       : "Initialization") +
                         " was stopped at " + stop.where + ".";
    if (stop.hasMotion)
        report += " The motion of board ID" + strSigned(boards[stop.board].board) + " was killed." + stop.killRefused;
    report += " Not initialized: " + boardList(boards.subspan(stop.board)) + "; initialize " +
              (stop.board + 1 == boards.size() ? "it" : "them") + " from the Initialize Board menu.";
    return report;
}

} // namespace

bool InitializeWatched(App& app, std::span<const BoardToInitialize> boards, InitOccasion occasion,
                       const std::function<void(std::int16_t board, InitWatch& watch)>& initialise,
                       const std::function<void(std::int16_t board)>& shown)
{
    if (boards.empty()) return true;
    Runtime& runtime = app.runtime();
    InitProgressWindow& window = app.form<InitProgressWindow>();
    window.show();
    std::optional<StopPoint> stop;
    {
        const Runtime::InputHold hold = runtime.holdInputFor(window, runtime.mainForm(), programEndControls(app));
        for (std::size_t i = 0; i < boards.size() && !stop; ++i) {
            const std::int16_t board = boards[i].board;
            window.showBoard(board, boards[i].option);
            initialise(board, window);
            // The program may also end from the error window of a failure: the board is stopped too.
            if (window.stopped() || runtime.endRequested())
                stop = killBoardMotion(app, i, board, window.whereItStands());
            else
                shown(board);
        }
    }
    window.unload();
    if (!stop) return true;
    if (runtime.endRequested()) return false;
    // The stopped board and every one after it are left as a failure leaves a board, said once.
    shown(boards[stop->board].board);
    for (std::size_t i = stop->board + 1; i < boards.size(); ++i) ShowInitStateInMenu(app, boards[i].board);
    ShowErrorMessage(app, stopReport(boards, occasion, *stop));
    return false;
}

} // namespace tarvik
