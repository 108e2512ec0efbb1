#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Get Motion Board Info: get_motion_board_info, one attribute of a board, chosen in the InfoType
// list (Board Type at load), shown as text in InfoValue (infoValueText). Text typed into the list
// chooses no row: the attribute 0 is sent all the same, and InfoValue then reads
// kNoRowValueText on success and kInternalErrorText on failure. A failed call with a row empties
// InfoValue. Lists every board. A click or double-click on InfoValue empties it.
class BoardInformationDialog : public CommandDialog {
public:
    explicit BoardInformationDialog(App& app);

    Label infoTypeLabel;
    ComboBox InfoType;
    Label infoValueLabel;
    TextBox InfoValue;

private:
    void arrange();
    DriverStatus readInfo(CommandRun& run);
};

} // namespace tarvik
