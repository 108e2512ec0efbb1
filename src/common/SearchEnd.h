#pragma once

#include "driver/MotionDriver.h"
#include "runtime/FormRuntime.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace tarvik {

class App;

// A cause a search can end on: its status bit, set or clear, and the status box's text for it.
struct SearchEndReport {
    std::uint16_t bit;
    bool whenSet;
    const char* text;
};

// How the wait for the end of a home or index search is bounded and reported.
struct SearchEndWait {
    std::int64_t timeoutMicros = 0;
    // What the box says of a search still going at the bound: "Axis #1 of board 2 <overdue>
    // within 120 seconds."
    std::string overdue;
    // Asked before every read; true ends the wait with nothing shown.
    std::function<bool()> stopRequested{};
    // Runs in place of the pause between two reads, handed the time the next read is due
    // (kEventPollIntervalMicros on): it lets events run until then at most, say. False ends the
    // wait with nothing shown. Without it the wait pauses kPollIntervalMicros, letting no events
    // run.
    std::function<bool(std::int64_t nextReadMicros)> betweenPolls{};
};

// Hands the text of a search the panel can no longer follow to the panel, which kills the axis
// and returns what the status box shows (WatchedMotionPanel::abandonMotion).
using AbandonSearch = std::function<std::string(const std::string& reason)>;

// Polls the axis until its search has ended (AxisMoveDone) and returns its status word. A
// failing read, or a search still going at the bound, is abandoned (its reason to `abandon`,
// the result to `statusBox`), and gives nothing; so does a stop the wait was asked for.
std::optional<std::int16_t> WaitSearchEnd(App& app, std::int16_t board, std::int16_t axis, const SearchEndWait& wait,
                                          const AbandonSearch& abandon, TextBox& statusBox);

// The first of `reports` whose bit in `word` is as given names the cause in `statusBox`, with
// `axisText` and a full stop appended, and the result is true; false when none matches.
bool ShowSearchEnd(std::int16_t word, std::span<const SearchEndReport> reports, const std::string& axisText,
                   TextBox& statusBox);

} // namespace tarvik
