#pragma once

#include "common/SearchEnd.h"
#include "common/WatchedMotionPanel.h"
#include "driver/MotionDriver.h"
#include "runtime/FormRuntime.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace tarvik {

// What the XY demo's Find Home and Find Index panels share: the board the demo shows them for,
// "Continue", "Done" (also Escape) and the status box, the placement over the main window, the
// search velocity of an axis and the bounded wait for a search's end. Searches run on axes 1 (X)
// and 2 (Y) of the board and are watched motions: closing the panel kills them first.
class XyHomingPanel : public WatchedMotionPanel {
public:
    CommandButton contcmd;
    CommandButton quitcmd;
    TextBox msgtxt;

    // Shows the panel modally for `board` and returns whether a search was started in it (false
    // when the program ends meanwhile). A board that is not configured leaves Continue disabled
    // with a message.
    bool showFor(std::int16_t board);

protected:
    // A search covers at most the table's travel at the find velocity; ten minutes is far beyond
    // that, so a search still going then has lost its axis.
    static constexpr std::int64_t kSearchTimeoutMicros = 600'000'000;
    // How the status box words a search still going at that bound.
    static constexpr const char* kSearchOverdue = "did not end its search";
    // The fixed pause before a position is reset, in which the axis comes to rest.
    static constexpr std::int64_t kSettleMicros = 20'000;

    // `greeting` is the status box's text at load; F1 opens `helpTopic`.
    XyHomingPanel(App& app, std::string name, std::string caption, int helpTopic, std::string greeting);

    virtual void contcmd_Click() = 0;

    // The find velocity in RPM of axis 1 or 2 of the board.
    double findRpm(int axis) const;
    // load_rpm, then load_rpsps with a fifth of it; a failure's status text goes to the box.
    bool loadSearchVelocity(int axis, double rpm);
    void showStatus(DriverStatus status);
    // The axis's status word once its search has ended (AxisMoveDone). Nothing when the wait
    // ended otherwise: a failing read, the time limit or a closed panel (what the box shows is
    // already set, and the search killed where it could no longer be followed). `yield` lets
    // events run between reads.
    std::optional<std::int16_t> waitSearchEnd(int axis, bool yield, const std::function<bool()>& killRequested);
    // How a search that ended is reported: the first of `reports` whose bit is as given names
    // the cause in the box with the axis text appended, and the axis's sequence ends (-1);
    // otherwise 0. A search that did not end at all (no word) ends the sequence too.
    std::int16_t reportSearchEnd(std::optional<std::int16_t> word, std::span<const SearchEndReport> reports,
                                 const std::string& axisText);
    // Spends kSettleMicros.
    void settle();

    std::int16_t board_ = -1;
    // Set by the panel as it starts a search.
    bool searchStarted_ = false;

private:
    void Form_Load() override;
};

} // namespace tarvik
