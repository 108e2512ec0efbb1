#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Find Index: find_index, the search of one axis's encoder index in the chosen direction, with
// an index offset (-32768 to 32767, "0" at load; a sign only in front). Lists the 3-axis servo
// and closed-loop stepper boards and the 2/4-axis servo and closed-loop stepper boards. On the
// 2/4-axis boards (IsClosedLoop4AType) the dialog waits for the end of the search
// (WaitIndexSearch, bounded on the clock; a wait that gives up kills the axis and says so in the
// error window) and that decides; on the 3-axis boards the driver's answer stands. msgtxt reads
// "Finding index..." from the start of the Run, then "Index found." or "Index not found.", or the
// status text of a failed call or wait. It opens with the direction the board's settings record
// holds for axis 1, and after status 0, found or not, keeps the direction sent as IndexReverse of
// the commanded board and axis.
class FindIndexCommandDialog : public CommandDialog {
public:
    explicit FindIndexCommandDialog(App& app);

    TextBox& indextxt = field(0);
    OptionButton& forward = option(0);
    OptionButton& Reverse = option(1);

private:
    App& app_;

    DriverStatus findIndex(CommandRun& run);
};

} // namespace tarvik
