#pragma once

#include "common/CommandDesign.h"
#include "driver/MotionDriver.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvik {

// Axis commands whose value is not typed share two shapes on the command dialog frame: a
// command that names only the board and the axis (start, stop, kill, reset), and one whose value
// is the selected option of a group of option buttons (operation mode, direction, scale
// sequence). A member names its entry point and what sets it apart; the rest is the frame's.

// What sets one such dialog apart.
struct AxisCommandDialog {
    std::string name{};     // the form, e.g. "frm61"
    std::string caption{};
    int helpTopic = 0;      // F1 opens help here
    std::int16_t mask = -1; // board-type groups listed (board-list mask bits)
    CommandClearing clearing{};
};

// An entry point that takes the board and the axis only.
using AxisEntry = DriverStatus (MotionDriver::*)(std::int16_t board, std::int16_t axis);
// An entry point that takes the board, the axis and a 16-bit value.
using AxisChoiceEntry = DriverStatus (MotionDriver::*)(std::int16_t board, std::int16_t axis, std::int16_t value);

// The options of a choice under a heading label; the first is selected at design time, and
// clicking an option (or the label beside it) empties the status text.
struct AxisChoice {
    std::string heading{};
    std::vector<CommandOption> options{};
};

// The axis field alone; Run calls `entry` with the board and the axis.
CommandDesign axisCommandDesign(AxisEntry entry, AxisCommandDialog dialog);

// The axis field and the options; Run calls `entry` with the board, the axis and the value of
// the selected option (the last option's while none is selected).
CommandDesign axisChoiceDesign(AxisChoiceEntry entry, AxisCommandDialog dialog, AxisChoice choice);

} // namespace tarvik
