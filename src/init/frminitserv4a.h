#pragma once

#include "init/Wizard.h"

namespace tarvik {

// The initialisation wizard of the 2/4-axis servo boards; its PID gains are set in Load PID All.
class frminitserv4a final : public Wizard {
public:
    explicit frminitserv4a(App& app);
};

} // namespace tarvik
