#pragma once

#include "commands/motion/AxisValueDesign.h"
#include "common/CommandDesign.h"
#include "program/AxisSettings.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tarvik {

// The servo gain dialogs share one shape: the one-value dialog of a servo board (three-axis and
// two/four-axis), a 16-bit value checked by ValidateRangeInteger and made whole on leaving, sent
// with (board, axis, value) and, after status 0, kept in its own field of that axis's
// sub-record of the board's settings record. Nothing is shown from the record.

// What sets one gain dialog apart.
struct ServoGainDialog {
    std::string name{};        // the form, e.g. "frm58"
    std::string caption{};
    int helpTopic = 0;         // F1 opens help here
    std::string valueName{};   // the value box, e.g. "propgaintxt"
    std::string valueLabel{};  // its caption label
    int maxLength = 0;
    FieldBounds bounds{0, 32767};
    std::string_view valueKeys = kUnsignedKeys; // empty: every key reaches the box
    std::string_view axisKeys = kUnsignedKeys;  // empty: every key reaches the axis field
    AxisField kept{};          // the record field the sent value is kept in
};

CommandDesign servoGainDesign(AxisValueEntry<std::int16_t> entry, ServoGainDialog dialog);

} // namespace tarvik
