#include "program/DriverInfo.h"

#include "driver/MotionDriver.h"

namespace tarvik {

bool boardsAreSimulated(MotionDriver& driver) { return driver.simulated(); }

std::string boardConfigurationError(MotionDriver& driver) { return driver.configurationError(); }

} // namespace tarvik
