#include "commands/io/SearchDirection.h"

#include "common/CommandDialog.h"
#include "driver/StatusWords.h"
#include "program/App.h"

#include <optional>
#include <utility>

namespace tarvik {

CommandChoices searchDirectionChoices(SearchDirectionNames names)
{
    return {.frameName = "Frame1",
            .headingName = std::move(names.headingName),
            .heading = "Direction",
            .options = {{std::move(names.forwardName), std::move(names.forwardLabelName), std::move(names.forwardLabel),
                         DirectionForward},
                        {std::move(names.reverseName), std::move(names.reverseLabelName), std::move(names.reverseLabel),
                         DirectionReverse}}};
}

void showStoredDirection(const App& app, const CommandDialog& dialog, AxisField field)
{
    const std::int16_t board = dialog.state().BoardId;
    if (!app.state().boards.isBoard(board)) return;
    const std::optional<double> stored =
        axisSetting(app.state().Settings, app.state().boards.BoardType[static_cast<std::size_t>(board)], board, 1, field);
    if (stored) dialog.option(*stored != 0 ? 1 : 0).setValue(true);
}

} // namespace tarvik
