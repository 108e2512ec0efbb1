#include "commands/io/AuxPortCDirectionDialog.h"

#include "commands/io/AuxIoDesign.h"
#include "commands/io/AuxIoWord.h"

namespace tarvik {

namespace {

// Layout in twips.
constexpr float kMargin = 120;
constexpr float kCaptionHeight = 240;
constexpr float kFrameTop = 300;
constexpr float kFrameWidth = 312;
constexpr float kFrameHeight = 612;
constexpr float kOptionLeft = 60;
constexpr float kInputTop = 120;
constexpr float kOutputTop = 360;
constexpr float kOptionSize = 195;
constexpr float kLabelLeft = kMargin + kFrameWidth + 120;
constexpr float kLabelWidth = 900;

} // namespace

AuxPortCDirectionDialog::AuxPortCDirectionDialog(App& app)
    : CommandDialog(app, [this] {
          CommandDesign design =
              auxIoDesign("Frm72c", "Set Port C Direction", 106, "Label4", [this](CommandRun& run) {
                  const std::int16_t code = bbt(1).value() ? PortCDirInput : PortCDirOutput;
                  return run.driver.set_portc_dir(run.board, code);
              });
          design.memberAreaHeight = kFrameTop + kFrameHeight + kMargin;
          return design;
      }()),
      Label1(this, "Label1", {.caption = "Port C Dir"}),
      Frame1(this, "Frame1"),
      bbt(this, "bbt"),
      bbf(this, "bbf"),
      Label2(this, "Label2", {.caption = "Input"}),
      Label3(this, "Label3", {.caption = "Output"})
{
    makeDirection();
}

void AuxPortCDirectionDialog::makeDirection()
{
    const float top = memberAreaTop();
    Label1.move(kMargin, top, 1200, kCaptionHeight);
    Frame& frame = Frame1.add(1, {.left = kMargin, .top = top + kFrameTop, .width = kFrameWidth, .height = kFrameHeight});
    bbt.add(1, {.left = kOptionLeft, .top = kInputTop, .width = kOptionSize, .height = kOptionSize, .container = &frame});
    bbf.add(1, {.left = kOptionLeft, .top = kOutputTop, .width = kOptionSize, .height = kOptionSize, .container = &frame})
        .setValue(true);
    Label2.move(kLabelLeft, top + kFrameTop + kInputTop, kLabelWidth, kCaptionHeight);
    Label3.move(kLabelLeft, top + kFrameTop + kOutputTop, kLabelWidth, kCaptionHeight);
}

} // namespace tarvik
