#include "shell/ShellMenus.h"

#include "program/App.h"
#include "program/HelpTopics.h"
#include "program/MainWindowServices.h"
#include "shell/AboutWindow.h"
#include "shell/PreferencesWindow.h"

#include <array>

namespace tarvik {

namespace {

void showHelpContents(App& app) { app.runtime().requestHelp(kHelpContents); }

const auto kActions = std::to_array<MenuActionEntry>({
    {"fileprefmu", &openChild<PreferencesWindow>},
    {"filequitmu", &QuitProgram},
    {"helpcontentsmu", &showHelpContents},
    {"helpaboutmu", &ShowAbout},
});

} // namespace

std::span<const MenuActionEntry> shellMenuActions() { return kActions; }

} // namespace tarvik
