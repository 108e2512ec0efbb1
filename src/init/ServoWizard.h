#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the 3-axis servo board (type code 0); its PID gains are set in
// Load PID All.
class ServoWizard final : public Wizard {
public:
    explicit ServoWizard(App& app);
};

} // namespace tarvik
