#pragma once

#include "init/Wizard.h"

#include <cstdint>
#include <span>

namespace tarvik {

class App;

// Opens what a wizard's optional button opens for its board: the find-home or find-index
// panel (modal), the I/O, limit-switch or step-output set-up dialog in wizard mode (modeless),
// or Load PID All, each shown for the board.
void OpenWizardPanel(App& app, WizardButton which, std::int16_t board);

// Unloads the set-up dialogs a closing wizard with these buttons can have opened and that still
// serve a wizard: step output, I/O, limit switches, in this order.
void CloseWizardPanels(App& app, std::span<const WizardButtonDesign> buttons);

} // namespace tarvik
