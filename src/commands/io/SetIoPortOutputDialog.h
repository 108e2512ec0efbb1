#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Set I/O Port Output: set_io_output, the output bits of a board's general-purpose I/O port.
// One column per I/O bit with a True and a False option (False at load), laid out anew whenever
// a board is picked: 6 columns on the 3-axis boards, 4 on the 2/4-axis steppers, 8 on the 2/4-axis
// servo and encoder boards. A hidden column keeps its choice but is sent as 0 (IoPortOutputWord).
// Lists every board.
//
// Layout in twips: the heading "I/O Port Bits", the bit numbers at Top 360, the columns at Top
// 540 (312 by 612, True at 120 and False at 360 inside), 400 apart from a first Left of 540, 960
// or 120 by the number shown; "Output", "True" and "False" to their right; the board list, RUN
// and the status box below the columns.
class SetIoPortOutputDialog : public CommandDialog {
public:
    static constexpr int kColumns = 8;

    explicit SetIoPortOutputDialog(App& app);

    Label bitsHeading;
    ControlArray<Label> bitNumbers;
    ControlArray<Frame> bitColumns;
    ControlArray<OptionButton> bt;
    ControlArray<OptionButton> bf;
    Label outputLabel;
    Label trueLabel;
    Label falseLabel;

private:
    App& app_;

    void makeColumns();
    void arrange();
    void ArrangeIoBitColumns();
    DriverStatus setOutputs(CommandRun& run);
};

} // namespace tarvik
