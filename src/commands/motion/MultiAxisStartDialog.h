#pragma once

#include "common/CommandDialog.h"
#include "driver/MotionDriver.h"

#include <cstdint>

namespace tarvik {

// Multi-Axis Start: multi_start, the loaded moves of two or more axes of one motion board (no
// encoder boards) start together. The axes are the checked boxes "Axis #1" to "Axis #4" (box 4
// hidden on a three-axis board, keeping its state but taking no part); Run is enabled only while
// at least two of the shown boxes are checked, and the status box says so otherwise.
class MultiAxisStartDialog : public CommandDialog {
public:
    explicit MultiAxisStartDialog(App& app);

    // Box n of the chkAx array, 1 to 4.
    CheckBox& chkAx(int n) const { return axisCheck(n); }

private:
    // The value multi_start takes for a set of axes (bit n-1 for axis n): a four-axis type takes
    // the set itself; a three-axis type (codes 0 to 2) takes a code of its own: 1 for axes 1
    // and 2, 2 for 2 and 3, 3 for 1 and 3, 4 for all three, and 0 for a set of fewer than two.
    static std::int16_t startMask(std::int16_t typeCode, std::int16_t axisSet);
    // The Run rule: at least two shown boxes checked, else the status box says so.
    bool UpdateMultiStartRun();
};

} // namespace tarvik
