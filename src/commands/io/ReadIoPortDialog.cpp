#include "commands/io/ReadIoPortDialog.h"

#include "commands/io/IoPortWord.h"
#include "commands/io/ReadBackLamps.h"
#include "common/DialogMetrics.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"
#include "program/App.h"

#include <string>

namespace tarvik {

namespace {

// Layout in twips.
constexpr float kBitStep = 300;
constexpr float kNumbersLeft = 1320;
constexpr float kNumbersTop = 300;
constexpr float kLampsLeft = 1260;
// The lamps stand a little below the bit numbers, so that a number never touches its lamp.
constexpr float kLampsTop = 525;
constexpr float kCaptionHeight = 180;
constexpr float kFormWidth = 5040;
constexpr float kMessageTop = 840;

// I/O bits of a board: six on the 3-axis boards, eight on every other.
int ioBitsOfType(int typeCode) { return axisCountOf(typeCode) == 3 ? 6 : 8; }

} // namespace

ReadIoPortDialog::ReadIoPortDialog(App& app)
    : CommandDialog(app, {.name = "frm47ret",
                          .caption = "Read I/O Port",
                          .helpTopic = 90,
                          .mask = kEveryGroup,
                          .boardLabelName = "Label1",
                          .axis = std::nullopt,
                          .call = [this](CommandRun& run) { return readPort(run); },
                          .boardChanged = [this] { showBitsOfBoard(); }}),
      bitsHeading(this, "Label8", {.caption = "I/O Port Bits"}),
      lbl(this, "lbl"),
      b(this, "b"),
      app_(app)
{
    makeControls();
    arrange();
}

void ReadIoPortDialog::makeControls()
{
    for (int k = 1; k <= kBits; ++k) {
        const float step = kBitStep * static_cast<float>(k - 1);
        lbl.add(k, {.caption = std::to_string(k), .left = kNumbersLeft + step, .top = kNumbersTop, .width = 135,
                    .height = kCaptionHeight});
        addLamp(b, k, kLampsLeft + step, kLampsTop);
    }
}

void ReadIoPortDialog::arrange()
{
    bitsHeading.move(1875, 60, 1215, 240);
    boardLabel.move(120, 60, 1035, 240);
    bidlist.move(120, 300, 1035, 315);
    runcmd.move(3780, 240, kCommandButtonWidth, kCommandButtonHeight);
    placeStatusBox(kMessageTop, kFormWidth);
}

int ReadIoPortDialog::bitsOfSelectedBoard() const
{
    const std::int16_t board = state().BoardId;
    return app_.state().boards.isBoard(board) ? ioBitsOfType(app_.state().boards.BoardType[static_cast<std::size_t>(board)]) : kBits;
}

void ReadIoPortDialog::showBitsOfBoard()
{
    const bool eight = bitsOfSelectedBoard() == kBits;
    for (int k = 7; k <= kBits; ++k) {
        lbl(k).setVisible(eight);
        b(k).setVisible(eight);
    }
}

// A failed read shows no bit set: the board's lamps turn white. Bits 9 to 16 have no lamp.
DriverStatus ReadIoPortDialog::readPort(CommandRun& run)
{
    std::int16_t word = 0;
    const DriverStatus status = run.driver.read_io_port(run.board, word);
    if (status != ZEVA_noError) word = 0;
    const int bits = ioBitsOfType(run.type);
    for (int k = 1; k <= bits; ++k) lightLamp(b(k), word, IoPortBit(k));
    return status;
}

} // namespace tarvik
