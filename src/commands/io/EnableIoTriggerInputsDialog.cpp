#include "commands/io/EnableIoTriggerInputsDialog.h"

#include "commands/io/IoBitColumns.h"
#include "commands/io/IoTriggerMap.h"
#include "common/DialogMetrics.h"
#include "driver/BoardTypes.h"
#include "program/App.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace tarvik {

namespace {

// Layout in twips.
constexpr float kColumnStep = 420;
constexpr float kDesignColumnLeft = 480;
constexpr float kDesignNumberLeft = 600;
constexpr float kNumberTop = 240;
constexpr float kNumberWidth = 90;
constexpr float kColumnTop = 420;
constexpr float kCaptionHeight = 240;
constexpr float kRowNameLeft = 3060;
constexpr float kListLeft = 4080;
constexpr float kFormWidth = 5400;
constexpr float kMessageTop = 1200;

// Where column 1 and its number stand on a board of six or of four columns.
constexpr float kSixColumnsLeft = 480;
constexpr float kSixNumbersLeft = 580;
constexpr float kFourColumnsLeft = 1000;
constexpr float kFourNumbersLeft = 1100;

} // namespace

EnableIoTriggerInputsDialog::EnableIoTriggerInputsDialog(App& app)
    : CommandDialog(app, {.name = "frm46",
                          .caption = "Enable I/O Port Trigger Inputs",
                          .helpTopic = 51,
                          .mask = kEveryGroup,
                          .boardLabelName = "Label14",
                          .axis = std::nullopt,
                          .call = [this](CommandRun& run) { return enableInputs(run); },
                          .boardChanged = [this] { layColumnsOut(); }}),
      bitsHeading(this, "Label13", {.caption = "I/O Port Bits"}),
      lbl(this, "lbl"),
      fraEnIO(this, "fraEnIO"),
      be(this, "be"),
      bd(this, "bd"),
      triggerLabel(this, "Label5", {.caption = "Trigger"}),
      enableLabel(this, "Label2", {.caption = "Enable"}),
      disableLabel(this, "Label4", {.caption = "Disable"}),
      app_(app)
{
    makeColumns();
    arrange();
}

void EnableIoTriggerInputsDialog::makeColumns()
{
    for (int i = 1; i <= kColumns; ++i) {
        const float step = kColumnStep * static_cast<float>(i - 1);
        AddIoBitColumn({&lbl, fraEnIO, be, bd},
                       {.index = i, .optionIndex = i, .number = std::to_string(i),
                        .numberLeft = kDesignNumberLeft + step, .numberTop = kNumberTop, .numberWidth = kNumberWidth,
                        .left = kDesignColumnLeft + step, .top = kColumnTop});
        // Choosing a row empties the status box.
        be(i).onClick = [this] { msgtxt.setText(""); };
        bd(i).onClick = [this] { msgtxt.setText(""); };
    }
}

void EnableIoTriggerInputsDialog::arrange()
{
    bitsHeading.move(1260, 0, 1800, kCaptionHeight);
    triggerLabel.move(kRowNameLeft, 240, 900, kCaptionHeight);
    enableLabel.move(kRowNameLeft, 540, 900, kCaptionHeight);
    disableLabel.move(kRowNameLeft, 840, 900, kCaptionHeight);
    boardLabel.move(kListLeft, 60, 1095, kCaptionHeight);
    bidlist.move(kListLeft, 300, 1095, 315);
    runcmd.move(kListLeft, 720, kCommandButtonWidth, kCommandButtonHeight);
    placeStatusBox(kMessageTop, kFormWidth);
}

// Six columns from 480 on a 3-axis board, four from 1000 on the others; each column and its
// number stand one step right of the previous ones. A code of no known board changes nothing.
void EnableIoTriggerInputsDialog::layColumnsOut()
{
    const std::int16_t board = state().BoardId;
    if (!app_.state().boards.isBoard(board)) return;
    const std::optional<int> axes = axisCountOf(app_.state().boards.BoardType[static_cast<std::size_t>(board)]);
    if (!axes) return;
    const bool six = *axes == 3;
    for (int i = 5; i <= kColumns; ++i) {
        lbl(i).setVisible(six);
        fraEnIO(i).setVisible(six);
    }
    fraEnIO(1).setLeft(six ? kSixColumnsLeft : kFourColumnsLeft);
    lbl(1).setLeft(six ? kSixNumbersLeft : kFourNumbersLeft);
    const int shown = six ? 6 : 4;
    for (int i = 2; i <= shown; ++i) {
        fraEnIO(i).setLeft(fraEnIO(i - 1).left() + kColumnStep);
        lbl(i).setLeft(lbl(i - 1).left() + kColumnStep);
    }
}

DriverStatus EnableIoTriggerInputsDialog::enableInputs(CommandRun& run)
{
    std::array<bool, kColumns> enabled{};
    for (int i = 1; i <= kColumns; ++i) enabled[static_cast<std::size_t>(i - 1)] = be(i).value();
    return run.driver.enable_io_trig(run.board, IoTriggerMap(enabled, run.type));
}

} // namespace tarvik
