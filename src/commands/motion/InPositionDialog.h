#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// In Position: in_pos asks whether one axis of a servo, closed-loop stepper or encoder board
// stands within a deadband of a position (both in counts, 32-bit). The axis goes through
// CurrentAxis; the board's answer is shown in `reslbl` in the signed form, and a failed call
// empties it.
class InPositionDialog : public CommandDialog {
public:
    explicit InPositionDialog(App& app);

    TextBox& postxt = field(0);
    TextBox& dbtxt = field(1);
    Label& reslbl = readBack(0);
    // " Units in Counts", beside the two fields.
    Label unitsLabel;
};

} // namespace tarvik
