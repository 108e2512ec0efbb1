#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the 3-axis open-loop stepper board (type code 1).
class OpenLoopStepperWizard final : public Wizard {
public:
    explicit OpenLoopStepperWizard(App& app);
};

} // namespace tarvik
