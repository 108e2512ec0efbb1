#pragma once

#include "common/CommandDialog.h"

#include <cstdint>

namespace tarvik {

// Read Comm. Status Register: read_csr, the board's communication status register, one lamp
// per bit that has a meaning (lamp b(i) for bit i in the 16-bit layout; b(2) does not exist).
// Three layouts by the selected board's type: the 3-axis boards read an 8-bit register with
// Running bits for three axes; the encoder boards the low byte of the 16-bit one, without axis
// rows; every other board all 16 bits with Running and Move Complete for four axes. Picking a
// board only shows and hides; a failed read turns every lamp the board's reading draws white.
// Lists every board; the status box has no handler of its own.
//
// Layout in twips: the status rows down the left (lamps at Left 240 from Top 180, 300 apart,
// captions at 540), the axis grid below them (headings at Top 2280, rows from 2520), the board
// list at the right (Left 2700), RUN at the lower right and the status box across the bottom.
class ReadCommStatusDialog : public CommandDialog {
public:
    explicit ReadCommStatusDialog(App& app);

    ControlArray<Shape> b;
    ControlArray<Label> rowCaptions;
    Label lblLastCmd;
    Label lblCIP;
    ControlArray<Label> lblrunning;
    Label lblMoveComp;
    ControlArray<Label> lblAxis;

private:
    App& app_;

    void makeControls();
    void arrange();
    void showLayoutOfBoard();
    DriverStatus readRegister(CommandRun& run);
};

} // namespace tarvik
