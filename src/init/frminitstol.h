#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the 3-axis open-loop stepper board (type code 1).
class frminitstol final : public Wizard {
public:
    explicit frminitstol(App& app);
};

} // namespace tarvik
