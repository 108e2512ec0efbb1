#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Trigger Buffer Delimiter: trig_buff_delim, which closes one group of kept commands in the
// trigger buffer being prestored. Lists every board.
class TriggerBufferDelimiterDialog : public CommandDialog {
public:
    explicit TriggerBufferDelimiterDialog(App& app);
};

} // namespace tarvik
