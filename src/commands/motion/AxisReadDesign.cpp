#include "commands/motion/AxisReadDesign.h"

#include <utility>

namespace tarvik {

CommandDesign axisReadDesign(AxisReadDialog dialog, std::function<DriverStatus(CommandRun&)> call)
{
    return {.name = std::move(dialog.name),
            .caption = std::move(dialog.caption),
            .helpTopic = dialog.helpTopic,
            .mask = dialog.mask,
            .readBacks = {{.captionName = "Label3",
                           .caption = std::move(dialog.valueCaption),
                           .name = std::move(dialog.valueName)}},
            .clearing = {.boardListFocus = dialog.boardListClears, .messageBox = false, .formClick = true},
            .call = std::move(call)};
}

} // namespace tarvik
