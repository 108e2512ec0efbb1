#include "commands/io/AuxPortCDirectionDialog.h"

#include "commands/io/AuxIoDesign.h"
#include "commands/io/AuxIoWord.h"
#include "commands/io/IoBitColumns.h"
#include "common/DialogMetrics.h"

namespace tarvik {

namespace {

// Layout in twips.
constexpr float kCaptionHeight = 240;
constexpr float kFrameTop = 300;
constexpr float kLabelLeft = kDialogMargin + kIoColumnWidth + 120;
constexpr float kLabelWidth = 900;

} // namespace

AuxPortCDirectionDialog::AuxPortCDirectionDialog(App& app)
    : CommandDialog(app, [this] {
          CommandDesign design =
              auxIoDesign("Frm72c", "Set Port C Direction", 106, "Label4", [this](CommandRun& run) {
                  const std::int16_t code = bbt(1).value() ? PortCDirInput : PortCDirOutput;
                  return run.driver.set_portc_dir(run.board, code);
              });
          design.memberAreaHeight = kFrameTop + kIoColumnHeight + kDialogMargin;
          return design;
      }()),
      directionHeading(this, "Label1", {.caption = "Port C Dir"}),
      directionFrame(this, "Frame1"),
      bbt(this, "bbt"),
      bbf(this, "bbf"),
      inputLabel(this, "Label2", {.caption = "Input"}),
      outputLabel(this, "Label3", {.caption = "Output"})
{
    makeDirection();
}

void AuxPortCDirectionDialog::makeDirection()
{
    const float top = memberAreaTop();
    directionHeading.move(kDialogMargin, top, 1200, kCaptionHeight);
    AddIoBitColumn({nullptr, directionFrame, bbt, bbf},
                   {.index = 1, .optionIndex = 1, .left = kDialogMargin, .top = top + kFrameTop});
    inputLabel.move(kLabelLeft, top + kFrameTop + kIoColumnUpperTop, kLabelWidth, kCaptionHeight);
    outputLabel.move(kLabelLeft, top + kFrameTop + kIoColumnLowerTop, kLabelWidth, kCaptionHeight);
}

} // namespace tarvik
