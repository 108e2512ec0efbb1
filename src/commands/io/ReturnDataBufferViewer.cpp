#include "commands/io/ReturnDataBufferViewer.h"

#include "base/NumberText.h"
#include "common/DialogMetrics.h"
#include "driver/StatusText.h"
#include "program/App.h"

#include <utility>

namespace tarvik {

namespace {

constexpr int kFirstPacket = 1;
constexpr int kLastPacket = kRdbCapacity;

// Layout in twips: the board list, "# of Packets" beside it and RUN at the top; the "Returned
// Data" frame below them; the status box at the bottom. Inside the frame (frame coordinates)
// the packet number with its scroll bar, then one row per value.
constexpr float kCountLeft = kFieldBesideListLeft;
constexpr float kCountWidth = 1215;
constexpr float kFormWidth = 4800;
constexpr float kFrameTop = 840;
constexpr float kFrameWidth = kFormWidth - 3 * kDialogMargin;
constexpr float kFrameHeight = 1680;
constexpr float kRowCaptionWidth = 1095;
constexpr float kRowValueLeft = 1320;
constexpr float kFirstRowTop = 300;
constexpr float kScrollWidth = 255;
constexpr float kScrollHeight = 345;
constexpr float kNumberWidth = 855;
constexpr float kValueTop = 780;
constexpr float kValueStep = 300;
constexpr float kValueWidth = 2535;

bool isCount(std::int16_t count) { return count >= kFirstPacket && count <= kLastPacket; }

} // namespace

ReturnDataBufferViewer::ReturnDataBufferViewer(App& app)
    : CommandDialog(app, {.name = "frmrdbret",
                          .caption = "Read Return Data Buffer",
                          .helpTopic = 93,
                          .axis = std::nullopt,
                          .fields = {{.name = "numptxt",
                                      .label = "# of Packets",
                                      .maxLength = 4,
                                      .rule = {.check = FieldCheck::ValidateInteger,
                                               .bounds = {kFirstPacket, kLastPacket}}}},
                          .call = [this](CommandRun& run) { return fetch(run); },
                          .loaded = [this] { loadPackets(); }}),
      returnedDataFrame(this, "Frame1", {.caption = "Returned Data"}),
      packetHeading(this, "Label1", {.caption = "Packet #", .container = &returnedDataFrame}),
      indtxt(this, "indtxt", {.container = &returnedDataFrame}),
      packetScroll(this, "VScroll1", {.container = &returnedDataFrame}),
      axisHeading(this, "Label2", {.caption = "Axis", .container = &returnedDataFrame}),
      axislbl(this, "axislbl", {.container = &returnedDataFrame}),
      commandHeading(this, "Label6", {.caption = "Command", .container = &returnedDataFrame}),
      cmdlbl(this, "cmdlbl", {.container = &returnedDataFrame}),
      dataHeading(this, "Label7", {.caption = "Data (Hex)", .container = &returnedDataFrame}),
      datalbl(this, "datalbl", {.container = &returnedDataFrame}),
      app_(app),
      // The packet number has no valid flag in the RUN rule, no entry or leaving behaviour.
      indField_(app, indtxt,
                {.check = FieldCheck::ValidateInteger, .bounds = {kFirstPacket, kLastPacket},
                 .leaving = FieldLeaving::Keep, .selectOnFocus = false})
{
    // Every slot is empty until a fetch, also while no board is listed.
    PacketAxis_.fill(-1);
    packetScroll.setMin(-1);
    packetScroll.setMax(1);
    indField_.checked = [this] { indtxt_Checked(); };
    packetScroll.onChange = [this] { VScroll1_Change(); };
    arrange();
}

void ReturnDataBufferViewer::arrange()
{
    fieldLabel(0).move(kCountLeft, kFieldCaptionTop, kCountWidth, kLabelHeight);
    numptxt.move(kCountLeft, kFieldTop, kCountWidth / 2, kTextBoxHeight);

    returnedDataFrame.move(kDialogMargin, kFrameTop, kFrameWidth, kFrameHeight);
    packetHeading.move(kDialogMargin, kFirstRowTop, kRowCaptionWidth, kLabelHeight);
    indtxt.move(kRowValueLeft, kFirstRowTop, kNumberWidth, kTextBoxHeight);
    packetScroll.move(kRowValueLeft + kNumberWidth, kFirstRowTop - (kScrollHeight - kTextBoxHeight) / 2, kScrollWidth,
                  kScrollHeight);
    float top = kValueTop;
    const std::pair<Label*, Label*> rows[] = {
        {&axisHeading, &axislbl}, {&commandHeading, &cmdlbl}, {&dataHeading, &datalbl}};
    for (auto [caption, value] : rows) {
        caption->move(kDialogMargin, top, kRowCaptionWidth, kLabelHeight);
        value->move(kRowValueLeft, top, kValueWidth, kLabelHeight);
        top += kValueStep;
    }

    placeStatusBox(kFrameTop + kFrameHeight + kDialogMargin, kFormWidth);
}

void ReturnDataBufferViewer::loadPackets()
{
    PacketAxis_.fill(-1);
    PacketCount_ = 1;
    CurrentPacket_ = 1;
    writeCount();
    indtxt.setText(strTrimmed(CurrentPacket_));
    axislbl.setCaption("");
    cmdlbl.setCaption("");
    datalbl.setCaption("");
    msgtxt.setText("");
}

DriverStatus ReturnDataBufferViewer::fetch(CommandRun& run)
{
    PacketAxis_.fill(-1);
    const std::int16_t asked = run.value<std::int16_t>(0);
    PacketCount_ = asked;
    const DriverStatus status =
        run.driver.read_rdb(run.board, PacketCount_, PacketAxis_, PacketCommand_, PacketData_);
    if (status != ZEVA_noError) {
        // Nothing was fetched, whatever the driver left in the slots; the box keeps the count
        // asked for, so that RUN can be pressed again as it stands.
        PacketAxis_.fill(-1);
        PacketCount_ = asked;
    }
    CurrentPacket_ = 1;
    writeCount();
    indtxt.setText(strTrimmed(CurrentPacket_));
    showPacket(CurrentPacket_);
    return status;
}

// The count is the program's, not the user's: it goes in without the range check's message or
// rewrite, and it is valid only as a count the user could have typed (1 to 2000).
void ReturnDataBufferViewer::writeCount()
{
    fieldEntry(0).writeQuietly(strTrimmed(PacketCount_));
    fieldEntry(0).setValid(isCount(PacketCount_) ? 1 : 0);
    applyRunRule();
}

void ReturnDataBufferViewer::showPacket(int number)
{
    if (number < kFirstPacket || number > kLastPacket) return;
    const auto slot = static_cast<std::size_t>(number - 1);
    if (PacketAxis_[slot] == -1) {
        axislbl.setCaption("");
        cmdlbl.setCaption("");
        datalbl.setCaption("");
        return;
    }
    axislbl.setCaption(strTrimmed(PacketAxis_[slot]));
    cmdlbl.setCaption(hex16(PacketCommand_[slot]));
    datalbl.setCaption(hex32(PacketData_[slot]));
}

// A typed packet number: out of range the check beeps, says so and puts the bound in (whose own
// Change shows that packet); an empty box keeps the packet shown.
void ReturnDataBufferViewer::indtxt_Checked()
{
    if (indField_.valid() == 0) return;
    CurrentPacket_ = toInt16Saturated(valueOf(indtxt.text()));
    showPacket(CurrentPacket_);
}

void ReturnDataBufferViewer::VScroll1_Change()
{
    // The arrow sets the bar to -1 (up) or 1 (down); putting it back to 0 below raises Change
    // again, which is no step.
    const int step = packetScroll.value();
    if (step == 0) return;
    int number = toInt16Saturated(valueOf(indtxt.text())) - step;
    if (number > kLastPacket) {
        number = kFirstPacket;
    } else if (number < kFirstPacket) {
        number = kFirstPacket;
        app_.runtime().beep();
    }
    packetScroll.setValue(0);
    CurrentPacket_ = static_cast<std::int16_t>(number);
    indtxt.setText(strTrimmed(CurrentPacket_));
    writeCount();
    showPacket(number);
}

} // namespace tarvik
