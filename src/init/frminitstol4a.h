#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the 2/4-axis open-loop stepper boards.
class frminitstol4a final : public Wizard {
public:
    explicit frminitstol4a(App& app);
};

} // namespace tarvik
