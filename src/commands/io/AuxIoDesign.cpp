#include "commands/io/AuxIoDesign.h"

#include <utility>

namespace tarvik {

namespace {

// The 3-axis and 2/4-axis open-loop and closed-loop stepper groups.
constexpr std::int16_t kStepperMask = 0x36;

} // namespace

CommandDesign auxIoDesign(std::string name, std::string caption, int helpTopic, std::string boardLabelName,
                          std::function<DriverStatus(CommandRun&)> call)
{
    return {.name = std::move(name),
            .caption = std::move(caption),
            .helpTopic = helpTopic,
            .mask = kStepperMask,
            .boardLabelName = std::move(boardLabelName),
            .axis = std::nullopt,
            .clearing = {.boardListFocus = false, .messageBox = false, .formClick = true},
            .boardKeys = false,
            .call = std::move(call)};
}

} // namespace tarvik
