#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Enable I/O Port Trigger Inputs: enable_io_trig, which chooses the I/O bits whose inputs
// trigger. One column per I/O bit with an Enable and a Disable option (Disable at load): six
// columns on the 3-axis boards, four on every other board, laid out anew whenever a board is
// picked. A hidden column keeps its choice but is not sent (IoTriggerMap). Lists every board.
//
// Layout in twips: the heading "I/O Port Bits" over the columns, the bit numbers at Top 240,
// the columns at Top 420 from Left 480 (3-axis boards) or 1000, 420 apart; the row names to
// their right; the board list at Left 4080, RUN below it and the status box across the bottom.
class EnableIoTriggerInputsDialog : public CommandDialog {
public:
    static constexpr int kColumns = 6;

    explicit EnableIoTriggerInputsDialog(App& app);

    Label bitsHeading;
    ControlArray<Label> lbl;
    ControlArray<Frame> fraEnIO;
    ControlArray<OptionButton> be;
    ControlArray<OptionButton> bd;
    Label triggerLabel;
    Label enableLabel;
    Label disableLabel;

private:
    App& app_;

    void makeColumns();
    void arrange();
    void layColumnsOut();
    DriverStatus enableInputs(CommandRun& run);
};

} // namespace tarvik
