#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read Velocity to RDB: read_vel_rdb, which asks any listed board to put the present velocity of one
// axis into its Return Data Buffer.
class ReadVelocityToRdbDialog : public CommandDialog {
public:
    explicit ReadVelocityToRdbDialog(App& app);

    TextBox& warning = notice();
};

} // namespace tarvik
