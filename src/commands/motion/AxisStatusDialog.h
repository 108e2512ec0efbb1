#pragma once

#include "common/CommandDialog.h"
#include "common/StatusLamp.h"
#include "driver/MotionDriver.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace tarvik {

// Read Per Axis H/W Status: read_axis_stat, the status word of one axis of a motion board (no
// encoder boards), shown as one lamp per bit that has a meaning: green for a set bit, white for
// a clear one. The rows of bits 3 (Index Found) and 13 (Last Command Not Executed) are shown
// only while a 4-axis type is selected; hidden, they keep their colour.
//
// Layout: the lamp rows down the left (a "Bit" heading, then rows 300 twips apart, the first at
// 240), the board list and the axis field side by side at the top right with RUN below them,
// the status box across the bottom.
class AxisStatusDialog : public CommandDialog {
public:
    explicit AxisStatusDialog(App& app);

    Label lblBit;

    // The row of status bit `bit` (0, 1, 2, 3, 4, 5, 7, 10, 11, 12 or 13): its bit-number label,
    // lamp and description; std::out_of_range for a bit without a lamp.
    Label& bitLabel(int bit) const { return *row(bit).number; }
    Shape& lamp(int bit) const { return *row(bit).lamp; }
    Label& description(int bit) const { return *row(bit).description; }

private:
    struct LampRow {
        std::uint16_t mask = 0;
        bool fourAxisOnly = false;
        std::unique_ptr<Label> number;
        std::unique_ptr<Shape> lamp;
        std::unique_ptr<Label> description;
    };

    std::vector<LampRow> rows_;

    const LampRow& row(int bit) const;
    void makeRows();
    void arrange();
    void showRowsOfBoard();
    DriverStatus readStatus(CommandRun& run);
    void light(std::int16_t word, bool fourAxisBoard);
};

} // namespace tarvik
