#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read Aux Digital I/O Input Values: read_gpio, the 24 aux digital I/O lines of a stepper board
// as one lamp each (ports A, B and C, line 1 at the left), and two lamps for port C's direction.
// A successful read draws every lamp from the word: green for a set bit, white for a clear one,
// and exactly one direction lamp green ("Port C Inputs" while any of bits 24 to 31 is set). A
// failed read shows nothing it did not read: every lamp, the direction lamps included, turns
// white. Changing the board leaves the lamps as they are.
//
// Layout in twips: the board list and RUN at the top, then three rows (A, B, C) of a heading,
// the line numbers and eight lamps 300 apart; the direction lamps at the right, "Port C Outputs"
// level with row B and "Port C Inputs" with row C, each under its label; the status box below.
class AuxPortADialog : public CommandDialog {
public:
    explicit AuxPortADialog(App& app);

    Label portAHeading;
    Label portBHeading;
    Label portCHeading;
    ControlArray<Label> lbl;
    ControlArray<Shape> a;
    ControlArray<Shape> b;
    ControlArray<Shape> c;
    Label cOutputsLabel;
    Shape COutputs;
    Label cInputsLabel;
    Shape CInputs;

private:
    void makeRows();
    void arrange();
    DriverStatus readLines(CommandRun& run);
    void light(std::int32_t word);
    void darken();
};

} // namespace tarvik
