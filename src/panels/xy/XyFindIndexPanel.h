#pragma once

#include "panels/xy/XyHomingPanel.h"

namespace tarvik {

// "Find Index" of the XY demo: Continue searches the index of axis 1 and then of axis 2 of its
// board, each to its end, with the find velocity, index direction and offset of the board's last
// initialisation, and zeroes each position. An axis that is already running is not searched.
// The panel does not respond while a search runs; each wait is bounded in time.
class XyFindIndexPanel final : public XyHomingPanel {
public:
    explicit XyFindIndexPanel(App& app);

private:
    void contcmd_Click() override;
    // The index search of one axis with the board's last initialisation values
    // (RunIndexSearch); false when the sequence ends there.
    bool FindIndexOnAxis(int axis);
};

} // namespace tarvik
