#include "commands/io/ReadCommStatusDialog.h"

#include "commands/io/ReadBackLamps.h"
#include "common/DialogMetrics.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/App.h"

#include <array>
#include <string>
#include <string_view>

namespace tarvik {

namespace {

// Layout in twips.
constexpr float kLampLeft = 240;
constexpr float kCaptionLeft = 540;
constexpr float kCaptionWidth = 2100;
constexpr float kCaptionHeight = 255;
constexpr float kGridHeadingTop = 2280;
constexpr float kAxisRowsTop = 2520;
constexpr float kRowStep = 300;
constexpr float kAxisCaptionLeft = 840;
constexpr float kMoveCompleteLeft = 1800;
constexpr float kFormWidth = 4320;
constexpr float kMessageTop = 3780;

// The status rows top to bottom: lamp, caption label (array element or single label), caption.
struct StatusRow {
    int lamp;
    std::string_view caption;
};

constexpr std::array kStatusRows{
    StatusRow{0, "Ready To Receive"},
    StatusRow{1, "Return Data Pending"},
    StatusRow{4, "Command Error"},
    StatusRow{5, "Power On Reset Or Watchdog"},
    StatusRow{6, "System Hardware Failure"},
    StatusRow{7, "Last Command Not Executed"},
    StatusRow{3, "Command In Process"},
};

enum class Layout { Narrow, Encoder, Wide };

Layout layoutOfType(int typeCode)
{
    if (axisCountOf(typeCode) == 3) return Layout::Narrow;
    if (groupOf(typeCode) == BoardGroup::Encoder) return Layout::Encoder;
    return Layout::Wide;
}

constexpr int runningLamp(int axis) { return 7 + axis; }
constexpr int moveCompleteLamp(int axis) { return 11 + axis; }

// The register bit lamp b(i) shows in a layout; 0 for a lamp the layout's reading does not draw.
// The encoder layout draws b(3) (Command In Process) although it hides it.
std::uint16_t lampBit(const CsrLayout& layout, int lamp)
{
    switch (lamp) {
    case 0: return layout.readyToReceive;
    case 1: return layout.returnDataPending;
    case 3: return layout.commandInProcess;
    case 4: return layout.commandError;
    case 5: return layout.powerOnReset;
    case 6: return layout.hardwareFailure;
    case 7: return layout.lastCmdNotExecuted;
    default: break;
    }
    if (lamp >= runningLamp(1) && lamp <= runningLamp(4)) return layout.axisRunning(lamp - runningLamp(0));
    return layout.axisMoveComplete(lamp - moveCompleteLamp(0));
}

} // namespace

ReadCommStatusDialog::ReadCommStatusDialog(App& app)
    : CommandDialog(app, {.name = "frmrtcostat",
                          .caption = "Read Comm. Status Register",
                          .helpTopic = 87,
                          .mask = kEveryGroup,
                          .boardLabelName = "Label1",
                          .axis = std::nullopt,
                          .clearing = {.messageBox = false},
                          .call = [this](CommandRun& run) { return readRegister(run); },
                          .boardChanged = [this] { showLayoutOfBoard(); }}),
      b(this, "b"),
      rowCaptions(this, "Label17"),
      lblLastCmd(this, "lblLastCmd", {.caption = "Last Command Not Executed"}),
      lblCIP(this, "lblCIP", {.caption = "Command In Process"}),
      lblrunning(this, "lblrunning"),
      lblMoveComp(this, "lblMoveComp", {.caption = "Move Complete"}),
      lblAxis(this, "lblAxis"),
      app_(app)
{
    makeControls();
    arrange();
}

void ReadCommStatusDialog::makeControls()
{
    float top = 180;
    int captionIndex = 0;
    for (const StatusRow& row : kStatusRows) {
        addLamp(b, row.lamp, kLampLeft, top);
        if (row.lamp == 7) lblLastCmd.move(kCaptionLeft, top, kCaptionWidth, kCaptionHeight);
        else if (row.lamp == 3) lblCIP.move(kCaptionLeft, top, kCaptionWidth, kCaptionHeight);
        else
            rowCaptions.add(captionIndex++, {.caption = std::string(row.caption), .left = kCaptionLeft, .top = top,
                                         .width = kCaptionWidth, .height = kCaptionHeight});
        top += kRowStep;
    }
    lblrunning.add(0, {.caption = "Running", .left = 60, .top = kGridHeadingTop, .width = 1000,
                       .height = kCaptionHeight});
    lblMoveComp.move(1380, kGridHeadingTop, 1300, kCaptionHeight);
    for (int axis = 1; axis <= 4; ++axis) {
        const float rowTop = kAxisRowsTop + kRowStep * static_cast<float>(axis - 1);
        addLamp(b, runningLamp(axis), kLampLeft, rowTop);
        lblAxis.add(axis, {.caption = "Axis #" + std::to_string(axis), .left = kAxisCaptionLeft, .top = rowTop,
                           .width = 800, .height = kCaptionHeight});
        addLamp(b, moveCompleteLamp(axis), kMoveCompleteLeft, rowTop);
    }
}

void ReadCommStatusDialog::arrange()
{
    boardLabel.move(2700, 240, 1215, kCaptionHeight);
    bidlist.move(2700, 480, 1215, 315);
    runcmd.move(2820, 3240, kCommandButtonWidth, kCommandButtonHeight);
    placeStatusBox(kMessageTop, kFormWidth);
}

void ReadCommStatusDialog::showLayoutOfBoard()
{
    const std::int16_t board = state().BoardId;
    if (!app_.state().boards.isBoard(board)) return;
    const Layout layout = layoutOfType(app_.state().boards.BoardType[static_cast<std::size_t>(board)]);
    const bool wide = layout == Layout::Wide;
    const bool axisRows = layout != Layout::Encoder;
    b(7).setVisible(layout != Layout::Narrow);
    lblLastCmd.setVisible(layout != Layout::Narrow);
    b(3).setVisible(wide);
    lblCIP.setVisible(wide);
    lblrunning(0).setVisible(axisRows);
    for (int axis = 1; axis <= 4; ++axis) {
        const bool shown = axis <= 3 ? axisRows : wide;
        b(runningLamp(axis)).setVisible(shown);
        lblAxis(axis).setVisible(shown);
        b(moveCompleteLamp(axis)).setVisible(wide);
    }
    lblMoveComp.setVisible(wide);
}

// A failed read shows no bit set: the lamps the board's reading draws turn white.
DriverStatus ReadCommStatusDialog::readRegister(CommandRun& run)
{
    std::int16_t word = 0;
    const DriverStatus status = run.driver.read_csr(run.board, word);
    if (status != ZEVA_noError) word = 0;
    const CsrLayout& layout = csrLayoutOfType(run.type);
    b.each([&](int lamp, Shape& shape) {
        const std::uint16_t bit = lampBit(layout, lamp);
        if (bit != 0) lightLamp(shape, word, bit);
    });
    return status;
}

} // namespace tarvik
