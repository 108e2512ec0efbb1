#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Set Aux Digital I/O Values: set_gpio, the output lines of ports B and C of a stepper board's aux
// digital I/O. One column per line with a True and a False option (False at load) in two blocks,
// port B above port C; Run sends the True lines as one word (AuxIoOutputWord), port C's as
// chosen whatever its direction. Resizing the window leaves the background window where it is.
//
// Layout in twips: the board list and RUN at the top, then per block a heading, the line numbers
// and eight columns 420 apart; "Output", "True" and "False" at the right of each block; the
// status box below.
class AuxPortBOutputDialog : public CommandDialog {
public:
    static constexpr int kLines = 8;

    explicit AuxPortBOutputDialog(App& app);

    Label portBHeading;
    Label portCHeading;
    // Line numbers and columns: 1 to 8 port B, 9 to 16 port C.
    ControlArray<Label> lineNumbers;
    ControlArray<Frame> lineColumns;
    ControlArray<OptionButton> bbt;
    ControlArray<OptionButton> bbf;
    ControlArray<OptionButton> cbt;
    ControlArray<OptionButton> cbf;
    Label portBOutputLabel;
    Label portBTrueLabel;
    Label portBFalseLabel;
    Label portCOutputLabel;
    Label portCTrueLabel;
    Label portCFalseLabel;

private:
    void makeBlock(int block, ControlArray<OptionButton>& trueRow, ControlArray<OptionButton>& falseRow);
    void arrange();
    DriverStatus setLines(CommandRun& run);
};

} // namespace tarvik
