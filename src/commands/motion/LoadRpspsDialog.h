#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load RPSPS: load_rpsps, the acceleration of one axis in revolutions per second per second, for
// any motion board but encoder boards. A decimal is checked against 0 to 100000 while it is typed;
// leaving the field rounds it to a whole number, so the value sent is whole. Entering the field
// leaves its text unselected.
class LoadRpspsDialog : public CommandDialog {
public:
    explicit LoadRpspsDialog(App& app);

    TextBox& rpspstxt = field(0);
};

} // namespace tarvik
