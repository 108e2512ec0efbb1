#pragma once

#include <cstdint>

namespace tarvik {

class App;

// Runs the initialisation sequence of the board's group with its settings record.
// Returns true on success; on failure the status text is shown in the error window.
//
// The steps and their order are those of SendInitSteps (InitSteps.h). BoardInitState of the
// board is -1 while the sequence runs; on success it is 1, BoardOption takes the group's option
// global, the axis 1 and axis 2 values are kept for the XY demo (XCountsPerRev .. YClosedLoop;
// counts per revolution are encoder lines as the record holds them on servo and encoder boards,
// motor steps on steppers), and the Test and Demo items the board can use are switched on. A
// record holding a value out of range is not sent at all: the error window names it and the
// board's state stays as it was. The wizard's own controls (find buttons, caption) are left to
// the caller.
bool InitializeBoard(App& app, std::int16_t boardId);

} // namespace tarvik
