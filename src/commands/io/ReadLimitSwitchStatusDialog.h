#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read Limit Switch Status: read_lim_stat, the board's limit and home switch word, as a grid of
// lamps: one row per axis, one column each for the reverse limit, the home switch and the
// forward limit. The bits of an axis depend on the board's axis count (LimitWord), so one word
// lights different rows on a 3-axis and a 4-axis board. Row 4 is hidden while a 3-axis board
// is selected, and keeps its colours. A failed read turns the board's rows white. Lists every
// board.
//
// Layout in twips: the headings "Rev", "Home", "Fwd" at Top 60; row a at Top 300 a with its
// caption at Left 60 and lamps at 900, 1380 and 1860; the board list to the right (Left 2400),
// RUN below it and the status box across the bottom (Top 1500).
class ReadLimitSwitchStatusDialog : public CommandDialog {
public:
    static constexpr int kRows = 4;

    explicit ReadLimitSwitchStatusDialog(App& app);

    Label revHeading;
    Label homeHeading;
    Label fwdHeading;
    ControlArray<Label> axisCaptions;
    ControlArray<Shape> AR;
    ControlArray<Shape> AH;
    ControlArray<Shape> AF;

private:
    App& app_;

    void makeControls();
    void arrange();
    void showRowsOfBoard();
    DriverStatus readSwitches(CommandRun& run);
};

} // namespace tarvik
