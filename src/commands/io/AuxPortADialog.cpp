#include "commands/io/AuxPortADialog.h"

#include "commands/io/AuxIoDesign.h"
#include "commands/io/AuxIoWord.h"
#include "commands/io/ReadBackLamps.h"
#include "common/DialogMetrics.h"
#include "driver/StatusText.h"

#include <array>
#include <string>

namespace tarvik {

namespace {

// Layout in twips.
constexpr float kRowHeight = 840;
constexpr float kCaptionHeight = 240;
constexpr float kHeadingWidth = 2400;
constexpr float kNumberTop = 240;
constexpr float kLampTop = 480;
constexpr float kLampStep = 300;
constexpr float kNumberInset = 60;
constexpr float kNumberWidth = 180;
constexpr float kDirectionLeft = 2880;
constexpr float kDirectionLabelWidth = 1320;
constexpr float kDirectionInset = 480;
constexpr int kLines = 8;
constexpr int kRows = 3;

} // namespace

AuxPortADialog::AuxPortADialog(App& app)
    : CommandDialog(app, [this] {
          CommandDesign design = auxIoDesign("Frm71", "Read Aux Digital I/O Input Values", 89, "Label9",
                                             [this](CommandRun& run) { return readLines(run); });
          design.memberAreaHeight = kRows * kRowHeight;
          return design;
      }()),
      portAHeading(this, "Label8", {.caption = "Port A (Input only)"}),
      portBHeading(this, "Label1", {.caption = "Port B (Output only)"}),
      portCHeading(this, "Label2", {.caption = "Port C (I/O user selectable)"}),
      lbl(this, "lbl"),
      a(this, "a"),
      b(this, "b"),
      c(this, "c"),
      cOutputsLabel(this, "Label3", {.caption = "Port C Outputs"}),
      COutputs(this, "COutputs", {}, Shape::Kind::RoundedSquare),
      cInputsLabel(this, "Label4", {.caption = "Port C Inputs"}),
      CInputs(this, "CInputs", {}, Shape::Kind::RoundedSquare)
{
    makeRows();
    arrange();
}

void AuxPortADialog::makeRows()
{
    const std::array<ControlArray<Shape>*, kRows> rows{&a, &b, &c};
    for (int row = 0; row < kRows; ++row) {
        const float top = memberAreaTop() + kRowHeight * static_cast<float>(row);
        for (int line = 1; line <= kLines; ++line) {
            const float left = kDialogMargin + kLampStep * static_cast<float>(line - 1);
            lbl.add(row * kLines + line - 1, {.caption = std::to_string(line), .left = left + kNumberInset,
                                              .top = top + kNumberTop, .width = kNumberWidth,
                                              .height = kCaptionHeight});
            addLamp(*rows[static_cast<std::size_t>(row)], line, left, top + kLampTop);
        }
    }
    makeLamp(COutputs);
    makeLamp(CInputs);
}

void AuxPortADialog::arrange()
{
    const float top = memberAreaTop();
    portAHeading.move(kDialogMargin, top, kHeadingWidth, kCaptionHeight);
    portBHeading.move(kDialogMargin, top + kRowHeight, kHeadingWidth, kCaptionHeight);
    portCHeading.move(kDialogMargin, top + 2 * kRowHeight, kHeadingWidth, kCaptionHeight);
    cOutputsLabel.move(kDirectionLeft, top + kRowHeight + kNumberTop, kDirectionLabelWidth, kCaptionHeight);
    COutputs.move(kDirectionLeft + kDirectionInset, top + kRowHeight + kLampTop, kLampSize, kLampSize);
    cInputsLabel.move(kDirectionLeft, top + 2 * kRowHeight + kNumberTop, kDirectionLabelWidth, kCaptionHeight);
    CInputs.move(kDirectionLeft + kDirectionInset, top + 2 * kRowHeight + kLampTop, kLampSize, kLampSize);
}

DriverStatus AuxPortADialog::readLines(CommandRun& run)
{
    std::int32_t word = 0;
    const DriverStatus status = run.driver.read_gpio(run.board, word);
    if (status == ZEVA_noError) light(word);
    else darken();
    return status;
}

void AuxPortADialog::light(std::int32_t word)
{
    for (int line = 1; line <= kLines; ++line) {
        const auto lamp = [word](AuxPort port, int n) { return (word & AuxLineBit(port, n)) != 0 ? kLampOn : kLampOff; };
        a(line).setFillColor(lamp(AuxPort::A, line));
        b(line).setFillColor(lamp(AuxPort::B, line));
        c(line).setFillColor(lamp(AuxPort::C, line));
    }
    const bool inputs = (word & AuxPortCIsInput) != 0;
    COutputs.setFillColor(inputs ? kLampOff : kLampOn);
    CInputs.setFillColor(inputs ? kLampOn : kLampOff);
}

// A failed read is not drawn as a reading: no line and no direction is shown as set.
void AuxPortADialog::darken()
{
    for (int line = 1; line <= kLines; ++line) {
        a(line).setFillColor(kLampOff);
        b(line).setFillColor(kLampOff);
        c(line).setFillColor(kLampOff);
    }
    COutputs.setFillColor(kLampOff);
    CInputs.setFillColor(kLampOff);
}

} // namespace tarvik
