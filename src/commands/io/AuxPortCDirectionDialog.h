#pragma once

#include "forms/common/CommandDialog.h"

namespace tarvik {

// Set Port C Direction: set_portc_dir, whether port C of a stepper board's aux digital I/O takes
// inputs (PortCDirInput) or drives outputs (PortCDirOutput). Two exclusive options, Input above
// Output; Output is selected at load, so one of the two codes is always sent.
class AuxPortCDirectionDialog : public CommandDialog {
public:
    explicit AuxPortCDirectionDialog(App& app);

    Label Label1;
    ControlArray<Frame> Frame1;
    ControlArray<OptionButton> bbt;
    ControlArray<OptionButton> bbf;
    Label Label2;
    Label Label3;

private:
    void makeDirection();
};

} // namespace tarvik
