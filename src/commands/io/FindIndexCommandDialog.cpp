#include "commands/io/FindIndexCommandDialog.h"

#include "commands/io/SearchDirection.h"
#include "common/MotionWaits.h"
#include "driver/BoardTypes.h"
#include "driver/StatusText.h"

namespace tarvik {

FindIndexCommandDialog::FindIndexCommandDialog(App& app)
    : CommandDialog(app, {.name = "frmFindIndex",
                          .caption = "Find Index",
                          .helpTopic = 56,
                          .mask = kClosedLoopCapableGroups,
                          .axis = CommandAxisField{},
                          .fields = {{.name = "indextxt",
                                      .label = "Index Offset",
                                      .maxLength = 6,
                                      .rule = {.keys = kSignedKeys,
                                               .check = FieldCheck::ValidateDoubleOrBlank,
                                               .bounds = {-32768, 32767},
                                               .signFirstOnly = true},
                                      .conversion = FieldConversion::Int16,
                                      .designText = "0"}},
                          .choices = searchDirectionChoices({.headingName = "Label2",
                                                             .forwardName = "forward",
                                                             .forwardLabelName = "Label7",
                                                             .forwardLabel = "Fwd",
                                                             .reverseName = "Reverse",
                                                             .reverseLabelName = "Label8",
                                                             .reverseLabel = "Rev"}),
                          .clearing = {.boardListFocus = false, .messageBox = false},
                          .call = [this](CommandRun& run) { return findIndex(run); },
                          .kept = {{.field = AxisField::IndexReverse, .from = KeptFrom::Choice}},
                          .showStored = [this, &app] { showStoredDirection(app, *this, AxisField::IndexReverse); }}),
      app_(app)
{
    choiceFrame().onClick = [this] { msgtxt.setText(""); };
}

DriverStatus FindIndexCommandDialog::findIndex(CommandRun& run)
{
    msgtxt.setText("Finding index...");
    std::int16_t found = 0;
    DriverStatus status = run.driver.find_index(run.board, run.axis, run.choice, run.value<std::int16_t>(0), found);
    if (status != ZEVA_noError) return status;
    // The 2/4-axis boards answer before the search ends; their end is awaited on the board.
    if (IsClosedLoop4AType(run.type)) status = WaitIndexSearch(app_, run.board, run.axis, found);
    if (status == ZEVA_noError) run.say(found == 0 ? "Index found." : "Index not found.");
    return status;
}

} // namespace tarvik
