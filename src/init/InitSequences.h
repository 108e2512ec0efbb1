#pragma once

#include <cstdint>

namespace tarvik {

// Why a board is being initialised: a failure at start-up names the board and option, and the
// message of a stop says which it was.
enum class InitOccasion { Request, StartUp };

class App;

class InitWatch;

// Runs the initialisation sequence of the board's group with its settings record, for a wizard's
// Initialize or, at start-up, on a board whose preference asks for it; `watch`, when given, is
// told of each step and may stop the sequence (the progress window, InitializeWatched). Returns
// true on success; on failure the status text is shown in the error window, at start-up after
// "Board ID n was not initialized at start-up with option k: ". A sequence the watch stopped
// shows nothing and leaves the board as a failure does.
//
// The steps and their order are those of SendInitSteps (InitSteps.h). BoardInitState of the
// board is -1 while the sequence runs; on success it is 1, BoardOption takes the group's GroupOption
// slot, the axis 1 and axis 2 values are kept for the XY demo (XCountsPerRev .. YClosedLoop;
// counts per revolution are encoder lines as the record holds them on servo and encoder boards,
// motor steps on steppers), and the Test and Demo items the board can use are switched on. A
// record holding a value out of range is not sent at all: the error window names the board,
// the option, the field and the value (OutOfRangeReport), and the board's state stays as it was.
// The wizard's own controls (find buttons, caption) are left to the caller.
bool InitializeBoard(App& app, std::int16_t boardId, InitWatch* watch = nullptr,
                     InitOccasion occasion = InitOccasion::Request);

} // namespace tarvik
