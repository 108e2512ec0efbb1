#pragma once

#include "forms/common/CommandDialog.h"

namespace tarvik {

// End Trigger Prestore: end_prestore, which ends keeping commands in a trigger buffer. Lists every
// board.
class frm60 : public CommandDialog {
public:
    explicit frm60(App& app);
};

} // namespace tarvik
