#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the 3-axis closed-loop stepper board (type code 2).
class ClosedLoopStepperWizard final : public Wizard {
public:
    explicit ClosedLoopStepperWizard(App& app);
};

} // namespace tarvik
