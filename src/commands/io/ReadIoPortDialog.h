#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read I/O Port: read_io_port, the board's I/O port word, one lamp per I/O bit k (bit k-1 of
// the word), bit 1 leftmost. The 3-axis boards have six I/O bits, the others eight: lamps 7 and
// 8 are hidden while a 3-axis board is selected, and keep their colour. A failed read turns the
// board's lamps white. Lists every board.
//
// Layout in twips: the board list at the top left, the heading "I/O Port Bits" above the row of
// lamps (bit numbers at Top 300, lamps at Top 480 from Left 1260, 300 apart), RUN at the top
// right and the status box across the window at Top 840.
class ReadIoPortDialog : public CommandDialog {
public:
    static constexpr int kBits = 8;

    explicit ReadIoPortDialog(App& app);

    Label bitsHeading;
    ControlArray<Label> lbl;
    ControlArray<Shape> b;

private:
    App& app_;

    void makeControls();
    void arrange();
    int bitsOfSelectedBoard() const;
    void showBitsOfBoard();
    DriverStatus readPort(CommandRun& run);
};

} // namespace tarvik
