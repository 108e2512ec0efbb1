#include "program/DriverInfo.h"

#include "driver/recording/RecordingDriver.h"
#include "driver/sim/SimulatedDriver.h"

namespace tarvik {

namespace {

const SimulatedDriver* simulatedBoards(MotionDriver& driver)
{
    MotionDriver* inner = &driver;
    while (auto* recorder = dynamic_cast<RecordingDriver*>(inner)) inner = &recorder->inner();
    return dynamic_cast<const SimulatedDriver*>(inner);
}

} // namespace

bool boardsAreSimulated(MotionDriver& driver) { return simulatedBoards(driver) != nullptr; }

std::string boardConfigurationError(MotionDriver& driver)
{
    const SimulatedDriver* boards = simulatedBoards(driver);
    return boards ? boards->configurationError() : std::string{};
}

} // namespace tarvik
