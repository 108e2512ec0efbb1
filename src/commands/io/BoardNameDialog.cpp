#include "commands/io/BoardNameDialog.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

namespace {

// The length of `text` without a UTF-8 character cut short at its end.
std::size_t wholeCharactersLength(std::string_view text)
{
    std::size_t start = text.size();
    // Back over the continuation bytes to the byte the last character starts with.
    while (start > 0 && (static_cast<unsigned char>(text[start - 1]) & 0xC0U) == 0x80U) --start;
    if (start == 0) return text.size();
    const auto lead = static_cast<unsigned char>(text[start - 1]);
    const std::size_t needed = lead >= 0xF0U ? 4 : lead >= 0xE0U ? 3 : lead >= 0xC0U ? 2 : 1;
    return text.size() - (start - 1) < needed ? start - 1 : text.size();
}

} // namespace

BoardNameDialog::BoardNameDialog(App& app)
    : CommandDialog(app, {.name = "GetBName",
                          .caption = "Get Motion Board Name",
                          .helpTopic = 60,
                          .mask = kEveryGroup,
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

DriverStatus BoardNameDialog::readName(CommandRun& run)
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
    if (second != ZEVA_noError) return second;
    // What the program can vouch for: no more than the first answer's length, nor the second's,
    // nor past the first NUL, and no character cut in two.
    std::size_t end = static_cast<std::size_t>(std::clamp(size, 0, length));
    end = static_cast<std::size_t>(std::find(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(end), '\0') -
                                   buffer.begin());
    const std::string_view name(buffer.data(), end);
    BoardName.setText(std::string(name.substr(0, wholeCharactersLength(name))));
    return second;
}

} // namespace tarvik
