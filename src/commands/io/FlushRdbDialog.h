#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Flush Return Data Buffer: flush_rdb, which empties the Return Data Buffer of any listed board.
class FlushRdbDialog : public CommandDialog {
public:
    explicit FlushRdbDialog(App& app);
};

} // namespace tarvik
