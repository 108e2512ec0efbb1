#include "commands/io/ReadLimitSwitchStatusDialog.h"

#include "commands/io/ReadBackLamps.h"
#include "common/DialogMetrics.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/App.h"

#include <string>

namespace tarvik {

namespace {

// Layout in twips.
constexpr float kRowStep = 300;
constexpr float kReverseLeft = 900;
constexpr float kHomeLeft = 1380;
constexpr float kForwardLeft = 1860;
constexpr float kCaptionHeight = 240;
constexpr float kFormWidth = 3840;
constexpr float kMessageTop = 1500;

// Axis rows a board has: three on the 3-axis boards, four on every other.
int rowsOfType(int typeCode) { return axisCountOf(typeCode) == 3 ? 3 : 4; }

} // namespace

ReadLimitSwitchStatusDialog::ReadLimitSwitchStatusDialog(App& app)
    : CommandDialog(app, {.name = "frm42ret",
                          .caption = "Read Limit Switch Status",
                          .helpTopic = 91,
                          .mask = kEveryGroup,
                          .boardLabelName = "Label1",
                          .axis = std::nullopt,
                          .call = [this](CommandRun& run) { return readSwitches(run); },
                          .boardChanged = [this] { showRowsOfBoard(); }}),
      revHeading(this, "Label5", {.caption = "Rev"}),
      homeHeading(this, "Label6", {.caption = "Home"}),
      fwdHeading(this, "Label7", {.caption = "Fwd"}),
      axisCaptions(this, "Label2"),
      AR(this, "AR"),
      AH(this, "AH"),
      AF(this, "AF"),
      app_(app)
{
    makeControls();
    arrange();
}

void ReadLimitSwitchStatusDialog::makeControls()
{
    for (int axis = 1; axis <= kRows; ++axis) {
        const float top = kRowStep * static_cast<float>(axis);
        axisCaptions.add(axis, {.caption = "Axis #" + std::to_string(axis), .left = 60, .top = top, .width = 780,
                          .height = kCaptionHeight});
        addLamp(AR, axis, kReverseLeft, top);
        addLamp(AH, axis, kHomeLeft, top);
        addLamp(AF, axis, kForwardLeft, top);
    }
}

void ReadLimitSwitchStatusDialog::arrange()
{
    revHeading.move(kReverseLeft - 60, 60, 420, kCaptionHeight);
    homeHeading.move(kHomeLeft - 90, 60, 480, kCaptionHeight);
    fwdHeading.move(kForwardLeft - 60, 60, 420, kCaptionHeight);
    boardLabel.move(2400, 60, 1215, kCaptionHeight);
    bidlist.move(2400, 300, 1215, 315);
    runcmd.move(2520, 840, kCommandButtonWidth, kCommandButtonHeight);
    placeStatusBox(kMessageTop, kFormWidth);
}

void ReadLimitSwitchStatusDialog::showRowsOfBoard()
{
    const std::int16_t board = state().BoardId;
    if (!app_.state().boards.isBoard(board)) return;
    const bool fourRows = rowsOfType(app_.state().boards.BoardType[static_cast<std::size_t>(board)]) == kRows;
    axisCaptions(kRows).setVisible(fourRows);
    AR(kRows).setVisible(fourRows);
    AH(kRows).setVisible(fourRows);
    AF(kRows).setVisible(fourRows);
}

// A failed read shows no switch active: the board's rows turn white.
DriverStatus ReadLimitSwitchStatusDialog::readSwitches(CommandRun& run)
{
    std::int16_t word = 0;
    const DriverStatus status = run.driver.read_lim_stat(run.board, word);
    if (status != ZEVA_noError) word = 0;
    const int axes = rowsOfType(run.type);
    for (int axis = 1; axis <= axes; ++axis) {
        lightLamp(AR(axis), word, LimitReverse(axis, axes));
        lightLamp(AH(axis), word, LimitHome(axis, axes));
        lightLamp(AF(axis), word, LimitForward(axis, axes));
    }
    return status;
}

} // namespace tarvik
