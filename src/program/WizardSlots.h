#pragma once

#include "program/PerBoard.h"

#include <cstdint>

namespace tarvik {

// What each group's wizard keeps between its openings, and what it hands to the panels and
// set-up dialogs it opens.
struct WizardSlots {
    // Per group's wizard (-1 none): the board it acts on, the board it last showed and the
    // option last loaded or used. The Initialize Board menu, the wizards and the Load Option
    // window write them; the initialisation sequences read the option, the stepper test panel
    // the stepper wizards' boards.
    PerGroup<std::int16_t> WizardBoard = filledPerGroup<std::int16_t>(-1);
    PerGroup<std::int16_t> WizardBoardShown = filledPerGroup<std::int16_t>(-1);
    PerGroup<std::int16_t> GroupOption = filledPerGroup<std::int16_t>(1);

    // A wizard names the board of the find-home or find-index panel it opens.
    std::int16_t HomingBoard = -1;
    // Set while a set-up dialog serves a wizard: the wizard sets it as it opens the dialog (so
    // that the dialog's load knows), the dialog sets or clears it as it is shown for a wizard or
    // the menu and clears it when it closes; a closing wizard closes the dialogs still serving it.
    bool IoPanelOpen = false;
    bool LimitPanelOpen = false;
    bool StepOutPanelOpen = false;
};

} // namespace tarvik
