#include "shell/ShellMenus.h"

#include "program/App.h"
#include "program/HelpTopics.h"
#include "shell/AboutWindow.h"
#include "shell/MainWindowServices.h"
#include "shell/PreferencesWindow.h"

#include <array>

namespace tarvik {

namespace {

void showHelpContents(App& app) { app.runtime().requestHelp(kHelpContents); }

// The separators between them are the main window's.
const auto kItems = std::to_array<MenuItemRow>({
    {"fileprefmu", "&Preferences...", "filemu", 10, &openChild<PreferencesWindow>},
    {"filequitmu", "&Quit", "filemu", 30, &QuitProgram},

    {"helpcontentsmu", "&Contents", "helpmu", 10, &showHelpContents},
    {"helpaboutmu", "&About Tarvik...", "helpmu", 30, &ShowAbout},
});

} // namespace

std::span<const MenuItemRow> shellMenuItems() { return kItems; }

} // namespace tarvik
