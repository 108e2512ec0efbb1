#pragma once

#include "common/SearchEnd.h"
#include "runtime/FormRuntime.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace tarvik {

class App;

// What the panels that run an index search word and time differently.
struct IndexSearchStyle {
    // The status box's text for an axis that is already running (no search starts).
    std::string (*runningText)(int axis);
    // The status box's text once the search has ended cleanly.
    std::string (*outcomeText)(int axis, bool found);
    // Time a board other than a 2/4-axis closed-loop one (IsClosedLoop4AType) is given to carry
    // out the search command before the axis is first polled; 0: none.
    std::int64_t startDelayMicros = 0;
    // The bound of the wait for the search's end and how it is reported.
    std::int64_t endTimeoutMicros = 0;
    const char* overdue = "";
    // Time the axis is left to settle on the index before its position is reset.
    std::int64_t settleMicros = 0;
};

// The values a search runs with.
struct IndexSearchValues {
    double findRpm = 0;
    std::int16_t reverse = 0; // as find_index takes it: -1 reverse, 0 forward
    std::int16_t offset = 0;
};

// What the panel running the search lends it.
struct IndexSearchPanel {
    TextBox& statusBox;
    // Asked once the axis is seen idle: the values to search with, or nothing to end the
    // sequence (the panel has said why).
    std::function<std::optional<IndexSearchValues>()> values;
    // The search command succeeded: the panel watches the axis.
    std::function<void()> started;
    AbandonSearch abandon;
};

// The index search of one axis, letting no events run:
// - reads the axis status (a running axis starts nothing), takes the panel's values, loads the
//   search velocity (SearchVelocity), says the search is running and sends find_index;
// - waits for the search (WaitIndexSearch on a 2/4-axis closed-loop board, else the style's
//   start delay), then for the axis to stop (WaitSearchEnd), and reports the first cause it
//   stopped on: a limit switch, the home switch, a following error, a profile that did not
//   complete;
// - else shows the outcome, lets the axis settle and zeroes its position.
// A failing command shows its status text; a search that can no longer be followed is abandoned
// through the panel. True when the position was zeroed.
bool RunIndexSearch(App& app, std::int16_t board, int axis, const IndexSearchStyle& style,
                    const IndexSearchPanel& panel);

} // namespace tarvik
