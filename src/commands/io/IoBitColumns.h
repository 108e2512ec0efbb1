#pragma once

#include "runtime/FormRuntime.h"

#include <string>

namespace tarvik {

// The option columns of the I/O dialogs: per bit (or port line) a frame holding two exclusive
// options, the upper one (True, Enable, Input) above the lower one (False, Disable, Output),
// which is selected at design time; over the frame, the bit's number.

// A column's frame and the options inside it, in twips (inside: from the frame's corner).
inline constexpr float kIoColumnWidth = 312;
inline constexpr float kIoColumnHeight = 612;
inline constexpr float kIoColumnOptionLeft = 60;
inline constexpr float kIoColumnUpperTop = 120;
inline constexpr float kIoColumnLowerTop = 360;
inline constexpr float kIoColumnOptionSize = 195;
// The height of a bit number's caption.
inline constexpr float kIoColumnNumberHeight = 240;

// The control arrays the columns of a dialog go into.
struct IoBitColumnArrays {
    ControlArray<Label>* numbers; // null: the columns carry no number
    ControlArray<Frame>& frames;
    ControlArray<OptionButton>& upper;
    ControlArray<OptionButton>& lower;
};

// Where one column goes, on the form in twips, and the indexes of its controls.
struct IoBitColumn {
    int index;       // the number's and the frame's
    int optionIndex; // the two options'
    std::string number{};
    float numberLeft = 0;
    float numberTop = 0;
    float numberWidth = 0;
    float left = 0;
    float top = 0;
};

// Adds one column, in this order: its number (when the arrays have numbers), its frame, the
// upper option, the lower option (selected). Returns the frame.
Frame& AddIoBitColumn(const IoBitColumnArrays& arrays, const IoBitColumn& column);

} // namespace tarvik
