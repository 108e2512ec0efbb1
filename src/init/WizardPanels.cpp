#include "init/WizardPanels.h"

#include "init/frmIOSettings.h"
#include "init/frmLimSwSettings.h"
#include "init/frmStepOutMode.h"
#include "init/frmfindhome.h"
#include "init/frmfindindx.h"
#include "init/frmldpid.h"
#include "program/App.h"

#include <algorithm>

namespace tarvik {

void OpenWizardPanel(App& app, WizardButton which, std::int16_t board)
{
    switch (which) {
    case WizardButton::FindHome:
        app.HomingBoard = board;
        app.form<frmfindhome>().showModal();
        break;
    case WizardButton::FindIndex:
        app.HomingBoard = board;
        app.form<frmfindindx>().showModal();
        break;
    case WizardButton::IoSettings:
        app.IoPanelOpen = true;
        app.form<frmIOSettings>().showFor(SetupMode::Wizard);
        break;
    case WizardButton::LimitSettings:
        app.LimitPanelOpen = true;
        app.form<frmLimSwSettings>().showFor(SetupMode::Wizard);
        break;
    case WizardButton::StepOutput:
        app.StepOutPanelOpen = true;
        app.form<frmStepOutMode>().showFor(SetupMode::Wizard, Opening::Restore);
        break;
    case WizardButton::PidGains:
        app.form<frmldpid>().showFor(board);
        break;
    }
}

void CloseWizardPanels(App& app, std::span<const WizardButtonDesign> buttons)
{
    auto has = [&](WizardButton which) {
        return std::any_of(buttons.begin(), buttons.end(), [&](const WizardButtonDesign& b) { return b.button == which; });
    };
    if (has(WizardButton::StepOutput) && app.StepOutPanelOpen) app.runtime().unload<frmStepOutMode>();
    if (has(WizardButton::IoSettings) && app.IoPanelOpen) app.runtime().unload<frmIOSettings>();
    if (has(WizardButton::LimitSettings) && app.LimitPanelOpen) app.runtime().unload<frmLimSwSettings>();
}

} // namespace tarvik
