#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read I/O Port to RDB: read_io_port_rdb, which asks any listed board to put its I/O port word into
// its Return Data Buffer.
class ReadIoPortToRdbDialog : public CommandDialog {
public:
    explicit ReadIoPortToRdbDialog(App& app);

    TextBox& warning = notice();
};

} // namespace tarvik
