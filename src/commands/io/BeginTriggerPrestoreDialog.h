#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Begin Trigger # Prestore: begin_prestore, which starts keeping the board's commands in the
// buffer of one trigger (1 to 6 on 3-axis boards, 1 to 4 on the others). Lists every board.
class BeginTriggerPrestoreDialog : public CommandDialog {
public:
    explicit BeginTriggerPrestoreDialog(App& app);

    TextBox& tnumtxt = field(0);
};

} // namespace tarvik
