#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read RPM: read_rpm, the speed of one axis of any listed board in RPM, shown in `rpmlbl` in the
// general number form.
class ReadRpmDialog : public CommandDialog {
public:
    explicit ReadRpmDialog(App& app);

    Label& rpmlbl = readBack(0);
};

} // namespace tarvik
