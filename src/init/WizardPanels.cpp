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
        app.form<FindHomePanel>().showFor(board);
        break;
    case WizardButton::FindIndex:
        app.form<FindIndexPanel>().showFor(board);
        break;
    case WizardButton::IoSettings:
        app.form<IoPortSettingsDialog>().showFor(board);
        break;
    case WizardButton::LimitSettings:
        app.form<LimitSwitchSettingsDialog>().showFor(board);
        break;
    case WizardButton::StepOutput:
        app.form<StepOutputModeDialog>().showFor(board, Opening::Restore);
        break;
    case WizardButton::PidGains:
        app.form<LoadPidAllDialog>().showFor(board);
        break;
    }
}

namespace {

// Unloads the loaded set-up dialog while it serves a wizard.
template <class Dialog>
void closeServingWizard(App& app)
{
    if (Dialog* dialog = app.loaded<Dialog>(); dialog && dialog->mode() == SetupMode::Wizard) dialog->unload();
}

} // namespace

void CloseWizardPanels(App& app, std::span<const WizardButtonDesign> buttons)
{
    auto has = [&](WizardButton which) {
        return std::any_of(buttons.begin(), buttons.end(), [&](const WizardButtonDesign& b) { return b.button == which; });
    };
    if (has(WizardButton::StepOutput)) closeServingWizard<StepOutputModeDialog>(app);
    if (has(WizardButton::IoSettings)) closeServingWizard<IoPortSettingsDialog>(app);
    if (has(WizardButton::LimitSettings)) closeServingWizard<LimitSwitchSettingsDialog>(app);
}

} // namespace tarvik
