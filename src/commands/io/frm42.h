#pragma once

#include "forms/common/CommandDialog.h"

namespace tarvik {

// Read Limit Switch Status to RDB: read_lim_stat_rdb, which asks any listed board to put its limit
// switch word into its Return Data Buffer.
class frm42 : public CommandDialog {
public:
    explicit frm42(App& app);

    TextBox& Text1 = notice();
};

} // namespace tarvik
