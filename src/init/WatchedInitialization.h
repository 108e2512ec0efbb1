#pragma once

#include "init/InitSequences.h"

#include <cstdint>
#include <functional>
#include <span>

namespace tarvik {

class App;
class InitWatch;

// A board to initialise and the option its settings record holds.
struct BoardToInitialize {
    std::int16_t board = 0;
    int option = 0;
};

// Initialises `boards` in turn, each by `initialise(board, watch)`, while the progress window
// (InitProgressWindow) names the board, its option and the step, and the user's input reaches
// only that window, the main window's close box and File > Quit; the screen stays painted.
// `shown(board)` shows a board's outcome once its sequence is over (its wizard's caption, its
// Initialize Board item). A stop (the window's Stop, its close box, the program's end) kills
// the motion of the board mid-sequence and leaves it and the boards after it not initialised;
// unless the program is ending, their items show it and one message says so, naming the step
// and the boards. Returns false when stopped.
bool InitializeWatched(App& app, std::span<const BoardToInitialize> boards, InitOccasion occasion,
                       const std::function<void(std::int16_t board, InitWatch& watch)>& initialise,
                       const std::function<void(std::int16_t board)>& shown);

} // namespace tarvik
