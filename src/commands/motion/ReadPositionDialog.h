#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read Position: read_pos, the present position of one axis of any listed board, shown in
// `poslbl`.
class ReadPositionDialog : public CommandDialog {
public:
    explicit ReadPositionDialog(App& app);

    Label& poslbl = readBack(0);
};

// The Read Position menu item: gives the window its present-position caption, then shows it as
// every command dialog is shown.
void openReadPresentPosition(App& app);

} // namespace tarvik
