#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the 2/4-axis closed-loop stepper boards. The find-index panel reads
// its loop-mode buttons btnClosedLoop(1..4) while it is open.
class ClosedLoopStepper4Wizard final : public Wizard {
public:
    explicit ClosedLoopStepper4Wizard(App& app);
};

} // namespace tarvik
