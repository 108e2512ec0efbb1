#include "commands/io/EnableBreakpointDialog.h"

#include "driver/BoardTypes.h"
#include "driver/StatusWords.h"
#include "program/App.h"

namespace tarvik {

namespace {

// Layout in twips.
constexpr float kCaptionTop = 60;
constexpr float kEntryTop = 300;
constexpr float kCaptionHeight = 240;
constexpr float kEntryHeight = 285;
constexpr float kOptionSize = 195;
constexpr float kFormWidth = 4080;
constexpr float kMessageTop = 1080;

} // namespace

EnableBreakpointDialog::EnableBreakpointDialog(App& app)
    : CommandDialog(app, {.name = "frm66",
                          .caption = "Enable Breakpoint Function",
                          .helpTopic = 50,
                          .mask = kClosedLoopCapableGroups | kEncoderGroup,
                          .choices = CommandChoices{.frameName = "Frame1",
                                                    .headingName = "Label2",
                                                    .heading = "Breakpoint Selector",
                                                    .options = {{"absol", "Label1", "Absolute", BreakModeAbsolute},
                                                                {"Option2", "Label6", "Relative", BreakModeRelative}}},
                          .clearing = {.boardListFocus = false},
                          .call = [](CommandRun& run) { return run.driver.enable_brk(run.board, run.axis, run.choice); },
                          .boardChanged = [this] { showModesOfBoard(); }}),
      lblPelto(this, "lblPelto", {.caption = "Pelto breakpoints absolute only", .visible = false}),
      app_(app)
{
    arrange();
}

void EnableBreakpointDialog::arrange()
{
    boardLabel.move(120, kCaptionTop, 975, kCaptionHeight);
    bidlist.move(120, kEntryTop, 975, 315);
    axisLabel().move(1200, kCaptionTop, 435, kCaptionHeight);
    axistxt().move(1200, kEntryTop, 375, kEntryHeight);
    choiceHeading().move(1680, kCaptionTop, 1500, kCaptionHeight);
    // The frame's top border line runs just below its heading, the options beside their labels.
    choiceFrame().move(1800, kEntryTop, 315, 555);
    absol.move(60, 60, kOptionSize, kOptionSize);
    relative.move(60, 300, kOptionSize, kOptionSize);
    optionLabel(0).move(2160, 360, 900, kCaptionHeight);
    optionLabel(1).move(2160, 600, 900, kCaptionHeight);
    runcmd.move(3240, kEntryTop, 735, 375);
    lblPelto.move(180, 840, 3552, kCaptionHeight);
    placeStatusBox(kMessageTop, kFormWidth);
}

// Picking a board empties the status box and lays the choice out for it.
void EnableBreakpointDialog::showModesOfBoard()
{
    msgtxt.setText("");
    const std::int16_t board = state().BoardId;
    if (!app_.state().boards.isBoard(board)) return;
    const bool encoder = groupOf(app_.state().boards.BoardType[static_cast<std::size_t>(board)]) == BoardGroup::Encoder;
    if (encoder) absol.setValue(true);
    choiceHeading().setVisible(!encoder);
    optionLabel(0).setVisible(!encoder);
    optionLabel(1).setVisible(!encoder);
    choiceFrame().setEnabled(!encoder);
    lblPelto.setVisible(encoder);
}

} // namespace tarvik
