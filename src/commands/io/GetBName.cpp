#include "commands/io/GetBName.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tarvik {

GetBName::GetBName(App& app)
    : CommandDialog(app, {.name = "GetBName",
                          .caption = "Get Motion Board Name",
                          .mask = -1,
                          .boardLabelName = "BoardIDLabel",
                          .axis = std::nullopt,
                          .memberAreaHeight = 720,
                          .call = [this](CommandRun& run) { return readName(run); }}),
      BoardNameLabel(this, "BoardNameLabel", {.caption = "Board Name"}),
      BoardName(this, "BoardName")
{
    BoardNameLabel.move(120, memberAreaTop(), 2400, 240);
    BoardName.move(120, memberAreaTop() + 240, 4440, 285);
    BoardName.onClick = [this] { BoardName.setText(""); };
    BoardName.onDblClick = [this] { BoardName.setText(""); };
    BoardName.onGotFocus = [this] { BoardName.setText(""); };
}

DriverStatus GetBName::readName(CommandRun& run)
{
    BoardName.setText("");
    std::int32_t length = 0;
    const DriverStatus first = run.driver.get_motion_board_name(run.board, {}, length);
    if (first != ZEVA_noError) return first;
    if (length < 0 || length > kLongestBoardName) {
        run.say("The board reported a name of " + strTrimmed(length) + " characters; a name has 0 to " +
                strTrimmed(kLongestBoardName) + ".");
        return ZEVA_bufferLengthError;
    }
    // One character more than the name, so that a driver that ends the name with a NUL has room.
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    std::int32_t size = length + 1;
    const DriverStatus second = run.driver.get_motion_board_name(run.board, buffer, size);
    if (second == ZEVA_noError) BoardName.setText(std::string(buffer.begin(), std::find(buffer.begin(), buffer.end(), '\0')));
    return second;
}

} // namespace tarvik
