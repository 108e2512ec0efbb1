#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// End Trigger Prestore: end_prestore, which ends keeping commands in a trigger buffer. Lists every
// board.
class EndTriggerPrestoreDialog : public CommandDialog {
public:
    explicit EndTriggerPrestoreDialog(App& app);
};

} // namespace tarvik
