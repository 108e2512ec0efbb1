#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Set Port C Direction: set_portc_dir, whether port C of a stepper board's aux digital I/O takes
// inputs (PortCDirInput) or drives outputs (PortCDirOutput). Two exclusive options, Input above
// Output; Output is selected at load, so one of the two codes is always sent.
class AuxPortCDirectionDialog : public CommandDialog {
public:
    explicit AuxPortCDirectionDialog(App& app);

    Label directionHeading;
    ControlArray<Frame> directionFrame;
    ControlArray<OptionButton> bbt;
    ControlArray<OptionButton> bbf;
    Label inputLabel;
    Label outputLabel;

private:
    void makeDirection();
};

} // namespace tarvik
