#include "init/InitMenus.h"

#include "init/IoPortSettingsDialog.h"
#include "init/LimitSwitchSettingsDialog.h"
#include "init/LoadPidAllDialog.h"
#include "init/SetupDialog.h"
#include "init/StepOutputModeDialog.h"

#include <array>

namespace tarvik {

namespace {

const auto kActions = std::to_array<MenuActionEntry>({
    {"setlimpol", &openSetupDialogFromMenu<LimitSwitchSettingsDialog, Opening::FrontThenRestore>},
    {"setstepmodepol1", &openSetupDialogFromMenu<StepOutputModeDialog, Opening::Restore>},
    {"setiopol", &openSetupDialogFromMenu<IoPortSettingsDialog, Opening::ShowOnly>},
    {"loadpidallmu", &openChild<LoadPidAllDialog>},
});

} // namespace

std::span<const MenuActionEntry> initMenuActions() { return kActions; }

} // namespace tarvik
