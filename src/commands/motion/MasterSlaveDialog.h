#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Master Slave Configure: master_slave_cfg, the role of one axis of a servo board (three-axis
// and two/four-axis) picked from the ModeCombo list: "Normal Axis" 0, "Normal Slave" 255,
// "Reverse Slave" -256, "Master" -1 as a 32-bit mode, 0 while no row is selected. Each load with
// a board listed selects "Master"; Run starts enabled. Choosing a mode and clicking the dialog's
// background leave the status text in place.
class MasterSlaveDialog : public CommandDialog {
public:
    explicit MasterSlaveDialog(App& app);

    ComboBox& ModeCombo = modeList();
};

} // namespace tarvik
