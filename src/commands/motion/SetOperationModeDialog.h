#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Set Operation Mode: set_pos_mode, one axis of a motion board (no encoder boards) set to
// position-absolute (0), position-relative (255) or velocity (-256) operation by the option
// buttons pa, pr and va; the labels beside them select them too.
class SetOperationModeDialog : public CommandDialog {
public:
    explicit SetOperationModeDialog(App& app);

    OptionButton& pa = option(0);
    OptionButton& pr = option(1);
    OptionButton& va = option(2);
    Label& absoluteLabel = optionLabel(0);
    Label& relativeLabel = optionLabel(1);
    Label& velocityLabel = optionLabel(2);
};

} // namespace tarvik
