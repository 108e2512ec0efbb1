#pragma once

#include "panels/xy/XyHomingPanel.h"

namespace tarvik {

// "Find Home" of the XY demo: Continue searches home on axes 1 and 2 of its board at once,
// with the find velocities and home directions of the board's last initialisation, waits for
// both searches to end and zeroes both positions. Window events run during the wait, so that
// Kill Motion (both axes) and Done act; closing the panel during a search kills both axes.
// A search that ends on a limit switch, on a following error or without completing its profile
// is reported and nothing is zeroed. When the search is over, a keyboard on Kill Motion goes back
// to Continue (FocusBackToStart).
class XyFindHomePanel final : public XyHomingPanel {
public:
    explicit XyFindHomePanel(App& app);

    CommandButton killcmd{this, "killcmd", {.caption = "Kill Motion", .left = 1500, .top = 1320, .width = 1095, .height = 375, .tabIndex = 1}};

private:
    void contcmd_Click() override;
    void quitcmd_Click();
    void FindHome();
    // 0 when the axis's search ended at home; -1 when it ended otherwise (the box says how);
    // ends the run in either case but 0.
    std::int16_t WaitHomeAxis(int axis);

    std::int16_t KillRequested = 0;
};

} // namespace tarvik
