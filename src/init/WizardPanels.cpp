#include "init/WizardPanels.h"

#include "init/FindHomePanel.h"
#include "init/FindIndexPanel.h"
#include "init/IoPortSettingsDialog.h"
#include "init/LimitSwitchSettingsDialog.h"
#include "init/LoadPidAllDialog.h"
#include "init/StepOutputModeDialog.h"
#include "program/App.h"

#include <algorithm>

namespace tarvik {

void OpenWizardPanel(App& app, WizardButton which, std::int16_t board)
{
    switch (which) {
    case WizardButton::FindHome:
        app.state().wizards.HomingBoard = board;
        app.form<FindHomePanel>().showModal();
        break;
    case WizardButton::FindIndex:
        app.state().wizards.HomingBoard = board;
        app.form<FindIndexPanel>().showModal();
        break;
    case WizardButton::IoSettings:
        app.state().wizards.IoPanelOpen = true;
        app.form<IoPortSettingsDialog>().showFor(SetupMode::Wizard);
        break;
    case WizardButton::LimitSettings:
        app.state().wizards.LimitPanelOpen = true;
        app.form<LimitSwitchSettingsDialog>().showFor(SetupMode::Wizard);
        break;
    case WizardButton::StepOutput:
        app.state().wizards.StepOutPanelOpen = true;
        app.form<StepOutputModeDialog>().showFor(SetupMode::Wizard, Opening::Restore);
        break;
    case WizardButton::PidGains:
        app.form<LoadPidAllDialog>().showFor(board);
        break;
    }
}

void CloseWizardPanels(App& app, std::span<const WizardButtonDesign> buttons)
{
    auto has = [&](WizardButton which) {
        return std::any_of(buttons.begin(), buttons.end(), [&](const WizardButtonDesign& b) { return b.button == which; });
    };
    if (has(WizardButton::StepOutput) && app.state().wizards.StepOutPanelOpen) app.runtime().unload<StepOutputModeDialog>();
    if (has(WizardButton::IoSettings) && app.state().wizards.IoPanelOpen) app.runtime().unload<IoPortSettingsDialog>();
    if (has(WizardButton::LimitSettings) && app.state().wizards.LimitPanelOpen)
        app.runtime().unload<LimitSwitchSettingsDialog>();
}

} // namespace tarvik
