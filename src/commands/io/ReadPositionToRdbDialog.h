#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read Position to RDB: read_pos_rdb, which asks any listed board to put the present position of one
// axis into its Return Data Buffer. The axis goes through CurrentAxis, which other dialogs share.
class ReadPositionToRdbDialog : public CommandDialog {
public:
    explicit ReadPositionToRdbDialog(App& app);

    TextBox& warning = notice();
};

} // namespace tarvik
