#pragma once

#include "program/ConfiguredBoards.h"
#include "program/ErrorQueue.h"
#include "program/OpenWindows.h"
#include "program/Selections.h"
#include "program/SettingsTables.h"
#include "program/WizardSlots.h"
#include "program/XyAxisCopies.h"

#include <filesystem>

namespace tarvik {

// The program-wide data that more than one window reads or writes, one part per concern, with
// the fields named as the windows name them. One instance lives in App (App::state()); a window
// reads and writes the fields its behaviour names and nothing else, and keeps what only it uses
// in its own members; a question window's answer is returned by the call that shows it. Each
// part's type says who writes and who reads it.
struct SharedState {
    ConfiguredBoards boards{};
    Selections selection{};
    WizardSlots wizards{};
    OpenWindows windows{};
    XyAxisCopies xy{};
    ErrorQueue errors{};

    // The help's contents page, set by the main window at start-up and read by the help viewer;
    // the topics' pages lie beside it.
    std::filesystem::path HelpFilePath{};

    // The seven settings tables, per board ID: read from the option files, edited by the
    // wizards and set-up dialogs, sent by the initialisation sequences.
    SettingsTables Settings{};
};

} // namespace tarvik
