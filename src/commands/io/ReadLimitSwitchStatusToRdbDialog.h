#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read Limit Switch Status to RDB: read_lim_stat_rdb, which asks any listed board to put its limit
// switch word into its Return Data Buffer.
class ReadLimitSwitchStatusToRdbDialog : public CommandDialog {
public:
    explicit ReadLimitSwitchStatusToRdbDialog(App& app);

    TextBox& warning = notice();
};

} // namespace tarvik
