#include "commands/io/AuxPortBOutputDialog.h"

#include "commands/io/AuxIoDesign.h"
#include "commands/io/AuxIoWord.h"
#include "commands/io/IoBitColumns.h"
#include "common/DialogMetrics.h"

#include <array>
#include <string>

namespace tarvik {

namespace {

// Layout in twips.
constexpr float kBlockHeight = 1200;
constexpr float kCaptionHeight = 240;
constexpr float kHeadingWidth = 2400;
constexpr float kNumberTop = 240;
constexpr float kColumnTop = 480;
constexpr float kColumnStep = 420;
constexpr float kNumberInset = 120;
constexpr float kNumberWidth = 120;
constexpr float kRowNameLeft = kDialogMargin + 8 * kColumnStep + 60;
constexpr float kRowNameWidth = 700;

} // namespace

AuxPortBOutputDialog::AuxPortBOutputDialog(App& app)
    : CommandDialog(app, [this] {
          CommandDesign design = auxIoDesign("Frm72", "Set Aux Digital I/O Values", 101, "Label9",
                                             [this](CommandRun& run) { return setLines(run); });
          design.background.onResize = false;
          design.memberAreaHeight = 2 * kBlockHeight;
          return design;
      }()),
      portBHeading(this, "Label1", {.caption = "Port B Output Bits"}),
      portCHeading(this, "Label13", {.caption = "Port C Output Bits"}),
      lineNumbers(this, "Label7"),
      lineColumns(this, "Frame1"),
      bbt(this, "bbt"),
      bbf(this, "bbf"),
      cbt(this, "cbt"),
      cbf(this, "cbf"),
      portBOutputLabel(this, "Label3", {.caption = "Output"}),
      portBTrueLabel(this, "Label8", {.caption = "True"}),
      portBFalseLabel(this, "Label6", {.caption = "False"}),
      portCOutputLabel(this, "Label5", {.caption = "Output"}),
      portCTrueLabel(this, "Label2", {.caption = "True"}),
      portCFalseLabel(this, "Label4", {.caption = "False"})
{
    makeBlock(0, bbt, bbf);
    makeBlock(1, cbt, cbf);
    arrange();
}

void AuxPortBOutputDialog::makeBlock(int block, ControlArray<OptionButton>& trueRow, ControlArray<OptionButton>& falseRow)
{
    const float top = memberAreaTop() + kBlockHeight * static_cast<float>(block);
    for (int line = 1; line <= kLines; ++line) {
        const int index = block * kLines + line;
        const float left = kDialogMargin + kColumnStep * static_cast<float>(line - 1);
        AddIoBitColumn({&lineNumbers, lineColumns, trueRow, falseRow},
                       {.index = index, .optionIndex = line, .number = std::to_string(line),
                        .numberLeft = left + kNumberInset, .numberTop = top + kNumberTop, .numberWidth = kNumberWidth,
                        .left = left, .top = top + kColumnTop});
    }
}

void AuxPortBOutputDialog::arrange()
{
    const std::array<Label*, 2> headings{&portBHeading, &portCHeading};
    const std::array<std::array<Label*, 3>, 2> rowNames{{{&portBOutputLabel, &portBTrueLabel, &portBFalseLabel},
                                                         {&portCOutputLabel, &portCTrueLabel, &portCFalseLabel}}};
    for (std::size_t block = 0; block < 2; ++block) {
        const float top = memberAreaTop() + kBlockHeight * static_cast<float>(block);
        headings[block]->move(kDialogMargin, top, kHeadingWidth, kCaptionHeight);
        rowNames[block][0]->move(kRowNameLeft, top + kNumberTop, kRowNameWidth, kCaptionHeight);
        rowNames[block][1]->move(kRowNameLeft, top + kColumnTop + kIoColumnUpperTop, kRowNameWidth, kCaptionHeight);
        rowNames[block][2]->move(kRowNameLeft, top + kColumnTop + kIoColumnLowerTop, kRowNameWidth, kCaptionHeight);
    }
}

DriverStatus AuxPortBOutputDialog::setLines(CommandRun& run)
{
    std::array<bool, kLines> portB{};
    std::array<bool, kLines> portC{};
    for (int line = 1; line <= kLines; ++line) {
        portB[static_cast<std::size_t>(line - 1)] = bbt(line).value();
        portC[static_cast<std::size_t>(line - 1)] = cbt(line).value();
    }
    return run.driver.set_gpio(run.board, AuxIoOutputWord(portB, portC));
}

} // namespace tarvik
