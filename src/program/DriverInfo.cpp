#include "program/DriverInfo.h"

#include "driver/library/LibraryDriver.h"
#include "driver/recording/RecordingDriver.h"
#include "driver/sim/SimulatedDriver.h"

namespace tarvik {

namespace {

MotionDriver& innermost(MotionDriver& driver)
{
    MotionDriver* inner = &driver;
    while (auto* recorder = dynamic_cast<RecordingDriver*>(inner)) inner = &recorder->inner();
    return *inner;
}

const SimulatedDriver* simulatedBoards(MotionDriver& driver)
{
    return dynamic_cast<const SimulatedDriver*>(&innermost(driver));
}

} // namespace

bool boardsAreSimulated(MotionDriver& driver) { return simulatedBoards(driver) != nullptr; }

std::string boardConfigurationError(MotionDriver& driver)
{
    if (const SimulatedDriver* boards = simulatedBoards(driver)) return boards->configurationError();
    if (const auto* library = dynamic_cast<const LibraryDriver*>(&innermost(driver))) return library->loadError();
    return {};
}

} // namespace tarvik
