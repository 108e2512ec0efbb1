#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load RPM: load_rpm, the velocity of one axis in revolutions per minute (0 to 100000, decimals
// kept), for any motion board but encoder boards. Its axis is the shared CurrentAxis: 1 when the
// dialog loads, the typed axis from the start of each Run on.
class LoadRpmDialog : public CommandDialog {
public:
    explicit LoadRpmDialog(App& app);

    TextBox& rpmtxt = field(0);
};

} // namespace tarvik
