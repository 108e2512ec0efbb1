#pragma once

#include "init/HomingPanel.h"

#include <cstdint>
#include <string>

namespace tarvik {

// The modal Find Home panel of the initialisation wizards: one button per axis runs the home
// search of that axis on the board it is shown for, with the find velocity and home direction of
// the board's settings record; it waits for the search to end, lets the axis settle and sets its
// position to zero. A record holding a value out of range starts no search: the status box says
// which. "Kill Motion" aborts a running search; "Done" closes the panel.
//
// Window events run while the search is watched, so that "Kill Motion" can be pressed. A Kill
// Motion that fails is reported and the search stays watched, so it can be pressed again; the
// status box says the kill failed, and when the search then ends by itself its position is not
// reset. Closing the panel during a search kills the axis first; when that kill fails the
// failure is reported and the panel stays open, so the axis is never left searching without its
// Kill button. When the program ends during a search the axis is killed as well. After a failing
// status read the search can no longer be followed: the axis is killed, and when that kill fails
// it stays watched after the run (WatchedMotionPanel).
class FindHomePanel final : public HomingPanel {
public:
    explicit FindHomePanel(App& app);

    CommandButton cmdkill{this, "cmdkill",
                          {.caption = "Kill Motion", .left = 840, .top = 960, .width = 1095, .height = 375,
                           .tabIndex = 4}};

private:
    void cmdaxis_Click(int axis) override;
    void cmdkill_Click() { killFlag_ = 1; }

    void FindHomeOnAxis(int axis);
    // Polls the axis until its move has ended: 0 when it ended with the profile complete, -1 when
    // it ended otherwise, was killed or the run was abandoned (any message is shown), else the
    // failing driver status.
    std::int16_t WaitHomeMove(int axis);
    // WaitHomeMove with its failures shown; true when the move ended cleanly.
    bool homeMoveEnded(int axis);
    // The pause after the search, in which "Kill Motion" still acts. True when it ran out.
    bool settle(int axis);

    // While a search runs after a failed Kill Motion: the line that says so, "" otherwise.
    std::string killFailureLine() const;

    std::int16_t killFlag_ = 0;
    // The status of a Kill Motion that failed during the running search; ZEVA_noError if none.
    DriverStatus killFailure_ = ZEVA_noError;
};

} // namespace tarvik
