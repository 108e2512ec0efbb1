#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Integration Limit: load_intg_lim, the integration limit (0 to 32767) of one axis of a servo
// board, kept as the axis's IntgLimit after status 0.
class LoadIntegrationLimitDialog : public CommandDialog {
public:
    explicit LoadIntegrationLimitDialog(App& app);

    TextBox& intlimtxt = field(0);
};

} // namespace tarvik
