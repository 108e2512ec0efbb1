#include "commands/motion/SetStopModeDialog.h"

#include "driver/StatusWords.h"

namespace tarvik {

namespace {

constexpr float kFrameWidth = 1215; // twips

} // namespace

// The option labels are the controls "Label3" to "Label5", so the board and axis captions take
// other names.
SetStopModeDialog::SetStopModeDialog(App& app)
    : CommandDialog(app, {.name = "frm55",
                          .caption = "Set Stop Mode",
                          .helpTopic = 348,
                          .mask = kMotionGroups,
                          .boardLabelName = "Label1",
                          .axis = CommandAxisField{.labelName = "Label2"},
                          .choices = CommandChoices{.frameName = "Frame1",
                                                    .frameCaption = "Stop Mode",
                                                    .options = {{"decel", "Label3", "Decelerate", StopModeDecel, 0},
                                                                {"halt", "Label4", "Halt", StopModeHalt, 0},
                                                                {"killb", "Label5", "Kill", StopModeKill, 0}},
                                                    .clickClearsMessage = false},
                          .call = [](CommandRun& run) {
                              return run.driver.set_stop_mode(run.board, run.axis, run.choice);
                          },
                          .kept = {{.field = AxisField::StopMode, .from = KeptFrom::Choice, .shownAtLoad = true}}})
{
    // The frame holds only the option buttons, narrower than its caption: it is widened to show
    // "Stop Mode" whole, and the option labels beside it move right by as much.
    Frame& frame = choiceFrame();
    const float widening = kFrameWidth - frame.width();
    frame.setWidth(kFrameWidth);
    for (Label* label : {&decelLabel, &haltLabel, &killLabel}) label->setLeft(label->left() + widening);
}

} // namespace tarvik
