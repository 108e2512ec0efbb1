#include "init/AutoInit.h"

#include "init/InitSequences.h"
#include "init/InitializeBoardMenu.h"
#include "init/StartUpOptions.h"
#include "program/App.h"

namespace tarvik {

void PrepareBoardOptions(App& app, const std::optional<Preferences>& preferences)
{
    const PerBoard<bool> read = ReadStartUpOptions(app, preferences.value_or(Preferences{}));
    if (!preferences) return;
    for (std::int16_t board = 0; board < kBoardIdCount; ++board) {
        const auto b = static_cast<std::size_t>(board);
        if (!app.state().isBoard(board) || !read[b] || !(*preferences)[b].initialisesAtStartUp()) continue;
        // The main window is painted before the first board's initialisation, and between
        // boards: the user sees the program working.
        if (!app.runtime().doEventsWithoutInput()) return;
        LoadBoardIntoWizard(app, board, (*preferences)[b].option(), OptionSource::Record);
        InitializeBoard(app, board, InitRequest::StartUp);
        ShowInitState(app, board);
        ShowInitStateInMenu(app, board);
    }
}

} // namespace tarvik
