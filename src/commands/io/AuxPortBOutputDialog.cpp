#include "commands/io/AuxPortBOutputDialog.h"

#include "commands/io/AuxIoDesign.h"
#include "commands/io/AuxIoWord.h"

#include <array>
#include <string>

namespace tarvik {

namespace {

// Layout in twips.
constexpr float kMargin = 120;
constexpr float kBlockHeight = 1200;
constexpr float kCaptionHeight = 240;
constexpr float kHeadingWidth = 2400;
constexpr float kNumberTop = 240;
constexpr float kColumnTop = 480;
constexpr float kColumnStep = 420;
constexpr float kColumnWidth = 312;
constexpr float kColumnHeight = 612;
constexpr float kNumberInset = 120;
constexpr float kNumberWidth = 120;
constexpr float kOptionLeft = 60;
constexpr float kTrueTop = 120;
constexpr float kFalseTop = 360;
constexpr float kOptionSize = 195;
constexpr float kRowNameLeft = kMargin + 8 * kColumnStep + 60;
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
      Label1(this, "Label1", {.caption = "Port B Output Bits"}),
      Label13(this, "Label13", {.caption = "Port C Output Bits"}),
      Label7(this, "Label7"),
      Frame1(this, "Frame1"),
      bbt(this, "bbt"),
      bbf(this, "bbf"),
      cbt(this, "cbt"),
      cbf(this, "cbf"),
      Label3(this, "Label3", {.caption = "Output"}),
      Label8(this, "Label8", {.caption = "True"}),
      Label6(this, "Label6", {.caption = "False"}),
      Label5(this, "Label5", {.caption = "Output"}),
      Label2(this, "Label2", {.caption = "True"}),
      Label4(this, "Label4", {.caption = "False"})
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
        const float left = kMargin + kColumnStep * static_cast<float>(line - 1);
        Label7.add(index, {.caption = std::to_string(line), .left = left + kNumberInset, .top = top + kNumberTop,
                           .width = kNumberWidth, .height = kCaptionHeight});
        Frame& column = Frame1.add(index, {.left = left, .top = top + kColumnTop, .width = kColumnWidth,
                                           .height = kColumnHeight});
        trueRow.add(line, {.left = kOptionLeft, .top = kTrueTop, .width = kOptionSize, .height = kOptionSize,
                           .container = &column});
        falseRow.add(line, {.left = kOptionLeft, .top = kFalseTop, .width = kOptionSize, .height = kOptionSize,
                            .container = &column})
            .setValue(true);
    }
}

void AuxPortBOutputDialog::arrange()
{
    const std::array<Label*, 2> headings{&Label1, &Label13};
    const std::array<std::array<Label*, 3>, 2> rowNames{{{&Label3, &Label8, &Label6}, {&Label5, &Label2, &Label4}}};
    for (std::size_t block = 0; block < 2; ++block) {
        const float top = memberAreaTop() + kBlockHeight * static_cast<float>(block);
        headings[block]->move(kMargin, top, kHeadingWidth, kCaptionHeight);
        rowNames[block][0]->move(kRowNameLeft, top + kNumberTop, kRowNameWidth, kCaptionHeight);
        rowNames[block][1]->move(kRowNameLeft, top + kColumnTop + kTrueTop, kRowNameWidth, kCaptionHeight);
        rowNames[block][2]->move(kRowNameLeft, top + kColumnTop + kFalseTop, kRowNameWidth, kCaptionHeight);
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
