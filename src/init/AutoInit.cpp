#include "init/AutoInit.h"

#include "init/InitSequences.h"
#include "init/InitializeBoardMenu.h"
#include "init/StartUpOptions.h"
#include "init/WatchedInitialization.h"
#include "program/App.h"

#include <vector>

namespace tarvik {

void PrepareBoardOptions(App& app, const std::optional<Preferences>& preferences)
{
    const PerBoard<bool> read = ReadStartUpOptions(app, preferences.value_or(Preferences{}));
    if (!preferences) return;
    std::vector<BoardToInitialize> boards;
    for (std::int16_t board = 0; board < kBoardIdCount; ++board) {
        const auto b = static_cast<std::size_t>(board);
        if (app.state().boards.isBoard(board) && read[b] && (*preferences)[b].initialisesAtStartUp())
            boards.push_back({.board = board, .option = (*preferences)[b].option()});
    }
    InitializeWatched(
        app, boards, InitOccasion::StartUp,
        [&](std::int16_t board, InitWatch& watch) {
            LoadBoardIntoWizard(app, board, (*preferences)[static_cast<std::size_t>(board)].option(),
                                OptionSource::Record);
            InitializeBoard(app, board, &watch, InitOccasion::StartUp);
        },
        [&](std::int16_t board) {
            ShowInitState(app, board);
            ShowInitStateInMenu(app, board);
        });
}

} // namespace tarvik
