#include "commands/io/FindHomeCommandDialog.h"

#include "commands/io/SearchDirection.h"

namespace tarvik {

FindHomeCommandDialog::FindHomeCommandDialog(App& app)
    : CommandDialog(app, {.name = "frmfindhmdir",
                          .caption = "Find Home",
                          .helpTopic = 55,
                          .mask = kMotionGroups,
                          .boardLabelName = "Label1",
                          .axis = CommandAxisField{.labelName = "Label2", .maxLength = 2},
                          .choices = searchDirectionChoices({.headingName = "Label3",
                                                             .forwardName = "forward",
                                                             .forwardLabelName = "Label4",
                                                             .forwardLabel = "Forward",
                                                             .reverseName = "reverse",
                                                             .reverseLabelName = "Label5",
                                                             .reverseLabel = "Reverse"}),
                          .clearing = {.boardListFocus = false, .messageBox = false},
                          .call = [](CommandRun& run) { return run.driver.find_home(run.board, run.axis, run.choice); },
                          .kept = {{.field = AxisField::HomeReverse, .from = KeptFrom::Choice}},
                          .showStored = [this, &app] { showStoredDirection(app, *this, AxisField::HomeReverse); }})
{
}

} // namespace tarvik
