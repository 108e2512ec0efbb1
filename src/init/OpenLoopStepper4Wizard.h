#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the 2/4-axis open-loop stepper boards.
class OpenLoopStepper4Wizard final : public Wizard {
public:
    explicit OpenLoopStepper4Wizard(App& app);
};

} // namespace tarvik
