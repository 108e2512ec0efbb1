#include "commands/io/EnableIoTriggerInputsDialog.h"

#include "commands/io/IoTriggerMap.h"
#include "driver/BoardTypes.h"
#include "forms/common/DialogMetrics.h"
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
constexpr float kColumnWidth = 312;
constexpr float kColumnHeight = 612;
constexpr float kOptionLeft = 60;
constexpr float kEnableTop = 120;
constexpr float kDisableTop = 360;
constexpr float kOptionSize = 195;
constexpr float kCaptionHeight = 240;
constexpr float kRowNameLeft = 3060;
constexpr float kListLeft = 4080;
constexpr float kFormWidth = 5400;
constexpr float kMessageTop = 1200;
constexpr float kMessageHeight = 615;

// Where column 1 and its number stand on a board of six or of four columns.
constexpr float kSixColumnsLeft = 480;
constexpr float kSixNumbersLeft = 580;
constexpr float kFourColumnsLeft = 1000;
constexpr float kFourNumbersLeft = 1100;

} // namespace

EnableIoTriggerInputsDialog::EnableIoTriggerInputsDialog(App& app)
    : CommandDialog(app, {.name = "frm46",
                          .caption = "Enable I/O Port Trigger Inputs",
                          .mask = -1,
                          .maskInShared = false,
                          .boardLabelName = "Label14",
                          .axis = std::nullopt,
                          .call = [this](CommandRun& run) { return enableInputs(run); },
                          .boardChanged = [this] { layColumnsOut(); }}),
      Label13(this, "Label13", {.caption = "I/O Port Bits"}),
      lbl(this, "lbl"),
      fraEnIO(this, "fraEnIO"),
      be(this, "be"),
      bd(this, "bd"),
      Label5(this, "Label5", {.caption = "Trigger"}),
      Label2(this, "Label2", {.caption = "Enable"}),
      Label4(this, "Label4", {.caption = "Disable"}),
      app_(app)
{
    makeColumns();
    arrange();
}

void EnableIoTriggerInputsDialog::makeColumns()
{
    for (int i = 1; i <= kColumns; ++i) {
        const float step = kColumnStep * static_cast<float>(i - 1);
        lbl.add(i, {.caption = std::to_string(i), .left = kDesignNumberLeft + step, .top = kNumberTop,
                    .width = kNumberWidth, .height = kCaptionHeight});
        Frame& column = fraEnIO.add(i, {.left = kDesignColumnLeft + step, .top = kColumnTop, .width = kColumnWidth,
                                        .height = kColumnHeight});
        be.add(i, {.left = kOptionLeft, .top = kEnableTop, .width = kOptionSize, .height = kOptionSize,
                   .container = &column});
        bd.add(i, {.left = kOptionLeft, .top = kDisableTop, .width = kOptionSize, .height = kOptionSize,
                   .container = &column})
            .setValue(true);
        // Choosing a row empties the status box.
        be(i).onClick = [this] { msgtxt.setText(""); };
        bd(i).onClick = [this] { msgtxt.setText(""); };
    }
}

void EnableIoTriggerInputsDialog::arrange()
{
    Label13.move(1260, 0, 1800, kCaptionHeight);
    Label5.move(kRowNameLeft, 240, 900, kCaptionHeight);
    Label2.move(kRowNameLeft, 540, 900, kCaptionHeight);
    Label4.move(kRowNameLeft, 840, 900, kCaptionHeight);
    boardLabel.move(kListLeft, 60, 1095, kCaptionHeight);
    bidlist.move(kListLeft, 300, 1095, 315);
    runcmd.move(kListLeft, 720, 1095, 375);
    msgtxt.move(120, kMessageTop, kFormWidth - 360, kMessageHeight);
    setWidth(kFormWidth);
    setHeight(kMessageTop + kMessageHeight + 120 + kTitleBarHeight);
}

// Six columns from 480 on a 3-axis board, four from 1000 on the others; each column and its
// number stand one step right of the previous ones. A code of no known board changes nothing.
void EnableIoTriggerInputsDialog::layColumnsOut()
{
    const std::int16_t board = state().BoardId;
    if (!app_.state().isBoard(board)) return;
    const std::optional<int> axes = axisCountOf(app_.state().BoardType[static_cast<std::size_t>(board)]);
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
