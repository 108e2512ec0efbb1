#include "init/InitMenus.h"

#include "init/IoPortSettingsDialog.h"
#include "init/LimitSwitchSettingsDialog.h"
#include "init/LoadPidAllDialog.h"
#include "init/SetupDialog.h"
#include "init/StepOutputModeDialog.h"

#include <array>

namespace tarvik {

namespace {

// Each heads or ends a menu whose other items are the command dialogs'.
const auto kItems = std::to_array<MenuItemRow>({
    {"setlimpol", "Set Limit Switch Input Polarity && Enable", "initializationmu", 10,
     &openSetupDialogFromMenu<LimitSwitchSettingsDialog, Opening::FrontThenRestore>},
    {"loadpidallmu", "Load PID All", "servomu", 120, &openChild<LoadPidAllDialog>},
    {"setstepmodepol1", "Set Step Output Mode and Polarity", "steppermu", 10,
     &openSetupDialogFromMenu<StepOutputModeDialog, Opening::Restore>},
    {"setiopol", "Set I/O Port Polarity and Direction", "iomu", 10,
     &openSetupDialogFromMenu<IoPortSettingsDialog, Opening::ShowOnly>},
});

} // namespace

std::span<const MenuItemRow> initMenuItems() { return kItems; }

} // namespace tarvik
