#include "commands/io/SetIoPortOutputDialog.h"

#include "commands/io/IoBitColumns.h"
#include "commands/io/IoPortWord.h"
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
constexpr float kHeadingTop = 120;
constexpr float kNumberTop = 360;
constexpr float kColumnTop = 540;
constexpr float kCaptionHeight = 240;
constexpr float kNumberWidth = 120;
constexpr float kRowNameWidth = 700;
constexpr float kOutputTop = 360;
constexpr float kTrueLabelTop = 600;
constexpr float kFalseLabelTop = 900;
// Before a board is picked: eight columns 420 apart.
constexpr float kDesignStep = 420;
constexpr float kDesignColumnLeft = 60;
constexpr float kDesignNumberLeft = 165;
constexpr float kDesignOutputLeft = 3420;
constexpr float kDesignRowNameLeft = 3480;
// Once a board is picked: the shown columns 400 apart, each number 120 right of its column.
constexpr float kColumnStep = 400;
constexpr float kNumberInset = 120;
// The board list, RUN and the status box below the columns.
constexpr float kFormWidth = 4800;
constexpr float kListCaptionTop = 1320;
constexpr float kListTop = 1560;
constexpr float kRunTop = 1500;
constexpr float kMessageTop = 2040;

// Where the columns and the row labels stand for the number of columns a board shows.
struct ColumnLayout {
    int shown;
    float first;
    float outputLeft;
    float rowNameLeft;
};

constexpr std::array kLayouts{
    ColumnLayout{6, 540, 3020, 3080}, // 3-axis boards
    ColumnLayout{4, 960, 2620, 2680}, // 2/4-axis open-loop and closed-loop steppers
    ColumnLayout{8, 120, 3420, 3480}, // 2/4-axis servo and encoder boards
};

std::optional<ColumnLayout> layoutFor(int typeCode)
{
    const int shown = ioBitCountOf(typeCode);
    for (const ColumnLayout& layout : kLayouts) {
        if (layout.shown == shown) return layout;
    }
    return std::nullopt;
}

} // namespace

SetIoPortOutputDialog::SetIoPortOutputDialog(App& app)
    : CommandDialog(app, {.name = "frm45",
                          .caption = "Set I/O Port Output",
                          .helpTopic = 102,
                          .mask = kEveryGroup,
                          .boardLabelName = "Label14",
                          .axis = std::nullopt,
                          .call = [this](CommandRun& run) { return setOutputs(run); },
                          .boardChanged = [this] { ArrangeIoBitColumns(); }}),
      bitsHeading(this, "Label13", {.caption = "I/O Port Bits"}),
      bitNumbers(this, "Label7"),
      bitColumns(this, "Frame1"),
      bt(this, "bt"),
      bf(this, "bf"),
      outputLabel(this, "Label5", {.caption = "Output"}),
      trueLabel(this, "Label2", {.caption = "True"}),
      falseLabel(this, "Label4", {.caption = "False"}),
      app_(app)
{
    makeColumns();
    arrange();
}

void SetIoPortOutputDialog::makeColumns()
{
    for (int k = 1; k <= kColumns; ++k) {
        const float step = kDesignStep * static_cast<float>(k - 1);
        AddIoBitColumn({&bitNumbers, bitColumns, bt, bf},
                       {.index = k, .optionIndex = k, .number = std::to_string(k),
                        .numberLeft = kDesignNumberLeft + step, .numberTop = kNumberTop, .numberWidth = kNumberWidth,
                        .left = kDesignColumnLeft + step, .top = kColumnTop});
        bt(k).onClick = [this] { msgtxt.setText(""); };
        bf(k).onClick = [this] { msgtxt.setText(""); };
    }
}

void SetIoPortOutputDialog::arrange()
{
    bitsHeading.move(1260, kHeadingTop, 1800, kCaptionHeight);
    outputLabel.move(kDesignOutputLeft, kOutputTop, kRowNameWidth, kCaptionHeight);
    trueLabel.move(kDesignRowNameLeft, kTrueLabelTop, kRowNameWidth, kCaptionHeight);
    falseLabel.move(kDesignRowNameLeft, kFalseLabelTop, kRowNameWidth, kCaptionHeight);
    boardLabel.move(120, kListCaptionTop, 1215, kCaptionHeight);
    bidlist.move(120, kListTop, 1215, 315);
    runcmd.move(3360, kRunTop, kCommandButtonWidth, kCommandButtonHeight);
    placeStatusBox(kMessageTop, kFormWidth);
}

// Shows the columns of the picked board's I/O bits and moves them and the row labels to their
// places; a hidden column keeps its choice. A code of no known board changes nothing.
void SetIoPortOutputDialog::ArrangeIoBitColumns()
{
    const std::int16_t board = state().BoardId;
    if (!app_.state().boards.isBoard(board)) return;
    const std::optional<ColumnLayout> layout = layoutFor(app_.state().boards.BoardType[static_cast<std::size_t>(board)]);
    if (!layout) return;
    for (int k = 1; k <= kColumns; ++k) {
        const bool shown = k <= layout->shown;
        bitNumbers(k).setVisible(shown);
        bitColumns(k).setVisible(shown);
        if (!shown) continue;
        const float left = layout->first + kColumnStep * static_cast<float>(k - 1);
        bitColumns(k).setLeft(left);
        bitNumbers(k).setLeft(left + kNumberInset);
    }
    outputLabel.setLeft(layout->outputLeft);
    trueLabel.setLeft(layout->rowNameLeft);
    falseLabel.setLeft(layout->rowNameLeft);
}

DriverStatus SetIoPortOutputDialog::setOutputs(CommandRun& run)
{
    std::array<bool, kColumns> on{};
    for (int k = 1; k <= kColumns; ++k) on[static_cast<std::size_t>(k - 1)] = bt(k).value();
    return run.driver.set_io_output(run.board, IoPortOutputWord(on, run.type));
}

} // namespace tarvik
