#pragma once

#include "init/HomingPanel.h"

namespace tarvik {

// The modal Find Index panel of the servo and closed-loop stepper initialisation wizards: one
// button per axis runs the index search of that axis on the board it is shown for, with the
// find velocity, index direction and index offset of the board's settings record; it waits for
// the search to end, reports whether the index was found and sets the position to zero. A record
// holding a value out of range starts no search: the status box says which. "Done" closes the
// panel.
//
// A search runs without letting window events in; every wait in it is bounded on the clock, so
// an axis that never stops is reported rather than hanging the program. A wait that runs out or
// a status read that fails during the search kills the axis, which stays watched while that kill
// fails (WatchedMotionPanel). On a closed-loop stepper board an axis button is enabled only while
// the open wizard of the board's group has that axis set to closed-loop operation.
class FindIndexPanel final : public HomingPanel {
public:
    explicit FindIndexPanel(App& app);

private:
    void shownForBoard() override { enableAxisButtonsByLoopMode(); }
    void cmdaxis_Click(int axis) override;

    // The index search of the axis with the record's values (RunIndexSearch); an open-loop
    // stepper board starts none.
    void FindIndexOnAxis(int axis);
    // Servo boards: enables every axis button. Closed-loop stepper boards: enables the buttons of
    // the axes the wizard has in closed loop, disables the others. Other boards keep the buttons
    // as they are (after a search an open-loop board's stay disabled).
    void enableAxisButtonsByLoopMode();
    // True when the open wizard of the board's closed-loop group has `axis` in closed loop.
    bool wizardHasClosedLoop(int axis) const;
};

} // namespace tarvik
