#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the 2/4-axis servo boards; its PID gains are set in Load PID All.
class Servo4Wizard final : public Wizard {
public:
    explicit Servo4Wizard(App& app);
};

} // namespace tarvik
