#pragma once

#include "program/PerBoard.h"

#include <cstdint>

namespace tarvik {

// What each group's wizard keeps between its openings.
struct WizardSlots {
    // Per group's wizard (-1 none): the board it acts on, the board it last showed and the
    // option last loaded or used. The Initialize Board menu, the wizards and the Load Option
    // window write them; the initialisation sequences read the option, the stepper test panel
    // the stepper wizards' boards.
    PerGroup<std::int16_t> WizardBoard = filledPerGroup<std::int16_t>(-1);
    PerGroup<std::int16_t> WizardBoardShown = filledPerGroup<std::int16_t>(-1);
    PerGroup<std::int16_t> GroupOption = filledPerGroup<std::int16_t>(1);
};

} // namespace tarvik
