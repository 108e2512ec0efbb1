#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the 3-axis closed-loop stepper board (type code 2).
class frminitstcl final : public Wizard {
public:
    explicit frminitstcl(App& app);
};

} // namespace tarvik
