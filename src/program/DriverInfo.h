#pragma once

#include <string>

namespace tarvik {

class MotionDriver;

// True when the boards behind `driver` (directly or behind a call recorder) are simulated.
bool boardsAreSimulated(MotionDriver& driver);

// Why the boards' configuration could not be read: the simulated boards' configuration file
// ("<file>, line N: <problem>") or the driver library that could not be loaded and bound (its
// path and the reason, or the entry points it lacks or exports as anything but functions);
// empty when nothing went wrong.
std::string boardConfigurationError(MotionDriver& driver);

} // namespace tarvik
