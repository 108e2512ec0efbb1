#pragma once

#include "base/NumberText.h"
#include "common/CommandDesign.h"
#include "driver/MotionDriver.h"

#include <cstdint>
#include <functional>
#include <string>
#include <utility>

namespace tarvik {

// The read-back dialogs that show one value of one axis share one shape on the command dialog
// frame: the axis field, no value field, and a label that shows what a successful read returned
// (a failed read leaves the label as it was). A member names its entry point and what sets it
// apart; the rest is the frame's.

// What sets one such dialog apart.
struct AxisReadDialog {
    std::string name{};         // the form, e.g. "frm53ret"
    std::string caption{};
    int helpTopic = 0;          // F1 opens help here
    std::int16_t mask = -1;     // board-type groups listed (board-list mask bits)
    std::string valueCaption{}; // the caption label beside the value
    std::string valueName{};    // the value label, e.g. "poslbl"
    // The status box is emptied by the axis field's focus and a click on the form; the board
    // list's focus empties it only where this says so, the box's own focus never.
    bool boardListClears = false;
};

// An entry point that reads one value of one axis into an output of type T.
template <class T>
using AxisReadEntry = DriverStatus (MotionDriver::*)(std::int16_t board, std::int16_t axis, T& value);

// Reads with `entry` for the Run's board and axis and hands the value to the value label in the
// trimmed form (no blank before it, doubles in the general form); the frame shows it only when
// the read returned status 0.
template <class T>
DriverStatus readIntoLabel(CommandRun& run, AxisReadEntry<T> entry)
{
    T value{};
    const DriverStatus status = (run.driver.*entry)(run.board, run.axis, value);
    run.show(0, strTrimmed(value));
    return status;
}

// The frame's design of the dialog with `call` as its Run.
CommandDesign axisReadDesign(AxisReadDialog dialog, std::function<DriverStatus(CommandRun&)> call);

// The same for a dialog whose Run is the one read `entry`.
template <class T>
CommandDesign axisReadDesign(AxisReadEntry<T> entry, AxisReadDialog dialog)
{
    return axisReadDesign(std::move(dialog), [entry](CommandRun& run) { return readIntoLabel(run, entry); });
}

} // namespace tarvik
