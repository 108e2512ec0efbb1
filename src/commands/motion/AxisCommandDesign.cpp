#include "commands/motion/AxisCommandDesign.h"

#include <utility>

namespace tarvik {

CommandDesign axisCommandDesign(AxisEntry entry, AxisCommandDialog dialog)
{
    return {.name = std::move(dialog.name),
            .caption = std::move(dialog.caption),
            .helpTopic = dialog.helpTopic,
            .mask = dialog.mask,
            .clearing = dialog.clearing,
            .call = [entry](CommandRun& run) { return (run.driver.*entry)(run.board, run.axis); }};
}

CommandDesign axisChoiceDesign(AxisChoiceEntry entry, AxisCommandDialog dialog, AxisChoice choice)
{
    return {.name = std::move(dialog.name),
            .caption = std::move(dialog.caption),
            .helpTopic = dialog.helpTopic,
            .mask = dialog.mask,
            .choices = CommandChoices{.headingName = "Label1",
                                      .heading = std::move(choice.heading),
                                      .options = std::move(choice.options)},
            .clearing = dialog.clearing,
            .call = [entry](CommandRun& run) { return (run.driver.*entry)(run.board, run.axis, run.choice); }};
}

} // namespace tarvik
