#include "commands/io/AuxIoDesign.h"

#include <utility>

namespace tarvik {

CommandDesign auxIoDesign(std::string name, std::string caption, int helpTopic, std::string boardLabelName,
                          std::function<DriverStatus(CommandRun&)> call)
{
    return {.name = std::move(name),
            .caption = std::move(caption),
            .helpTopic = helpTopic,
            .mask = kStepperGroups,
            .boardLabelName = std::move(boardLabelName),
            .axis = std::nullopt,
            .clearing = {.boardListFocus = false, .messageBox = false, .formClick = true},
            .boardKeys = false,
            .call = std::move(call)};
}

} // namespace tarvik
