#pragma once

#include "common/CommandDesign.h"
#include "driver/MotionDriver.h"

#include <cstdint>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace tarvik {

// The dialogs that send one value to one axis share one shape on the command dialog frame: the
// axis field, one value field, and a Run that calls one entry point with (board, axis, value).
// A member names the entry point and what sets it apart; the rest is the frame's.

// What sets one such dialog apart.
struct AxisValueDialog {
    std::string name{};     // the form, e.g. "frm62"
    std::string caption{};
    int helpTopic = 0;      // F1 opens help here
    std::int16_t mask = -1; // board-type groups listed (board-list mask bits)
    bool sharedAxis = false; // the axis goes through CurrentAxis
    std::optional<CommandNotice> notice{};
    std::vector<CommandKept> kept{}; // what a successful Run keeps in the settings record
};

// An entry point that takes board, axis and one value of type T.
template <class T>
using AxisValueEntry = DriverStatus (MotionDriver::*)(std::int16_t board, std::int16_t axis, T value);

// The conversion that hands a field's text to the entry point as its value type.
template <class T>
constexpr FieldConversion conversionFor()
{
    if constexpr (std::is_same_v<T, std::int16_t>) return FieldConversion::Int16;
    else if constexpr (std::is_same_v<T, std::int32_t>) return FieldConversion::Int32;
    else {
        static_assert(std::is_same_v<T, double>, "a value is sent as a 16-bit, 32-bit or double argument");
        return FieldConversion::Double;
    }
}

// The frame's design of the dialog. The field's conversion follows the entry point's value type,
// so what Run converts is always what the call takes.
template <class T>
CommandDesign axisValueDesign(AxisValueEntry<T> entry, AxisValueDialog dialog, CommandField field)
{
    field.conversion = conversionFor<T>();
    return {.name = std::move(dialog.name),
            .caption = std::move(dialog.caption),
            .helpTopic = dialog.helpTopic,
            .mask = dialog.mask,
            .axis = CommandAxisField{.sharedAxis = dialog.sharedAxis},
            .fields = {std::move(field)},
            .notice = std::move(dialog.notice),
            .call = [entry](CommandRun& run) { return (run.driver.*entry)(run.board, run.axis, run.value<T>(0)); },
            .kept = std::move(dialog.kept)};
}

} // namespace tarvik
