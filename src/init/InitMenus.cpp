#include "init/InitMenus.h"

#include "init/SetupDialog.h"
#include "init/frmIOSettings.h"
#include "init/frmLimSwSettings.h"
#include "init/frmStepOutMode.h"
#include "init/frmldpid.h"

#include <array>

namespace tarvik {

namespace {

const auto kActions = std::to_array<MenuActionEntry>({
    {"setlimpol", &openSetupDialogFromMenu<frmLimSwSettings, Opening::FrontThenRestore>},
    {"setstepmodepol1", &openSetupDialogFromMenu<frmStepOutMode, Opening::Restore>},
    {"setiopol", &openSetupDialogFromMenu<frmIOSettings, Opening::ShowOnly>},
    {"loadpidallmu", &openChild<frmldpid>},
});

} // namespace

std::span<const MenuActionEntry> initMenuActions() { return kActions; }

} // namespace tarvik
