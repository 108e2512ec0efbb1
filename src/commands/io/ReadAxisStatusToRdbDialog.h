#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read Per Axis H/W Status to RDB: read_axis_stat_rdb, which asks a motion board (no encoder boards)
// to put the status word of one axis into its Return Data Buffer.
class ReadAxisStatusToRdbDialog : public CommandDialog {
public:
    explicit ReadAxisStatusToRdbDialog(App& app);

    TextBox& warning = notice();
};

} // namespace tarvik
