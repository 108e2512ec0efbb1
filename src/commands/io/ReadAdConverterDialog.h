#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Read A/D Converter Value: read_adc, the value of one analog input channel (1 to 8, "1" at
// load) of a 2/4-axis board, shown in poslbl on status 0 and kept there after a failure.
class ReadAdConverterDialog : public CommandDialog {
public:
    explicit ReadAdConverterDialog(App& app);

    TextBox& channeltxt = field(0);
    Label& poslbl = readBack(0);
};

} // namespace tarvik
