#pragma once

#include <string>

namespace tarvik {

class MotionDriver;

// True when the boards behind `driver` (directly or behind a call recorder) are simulated.
bool boardsAreSimulated(MotionDriver& driver);

// Why the simulated boards' configuration file could not be read ("<file>, line N: <problem>");
// empty when it was read or the boards are not simulated.
std::string boardConfigurationError(MotionDriver& driver);

} // namespace tarvik
