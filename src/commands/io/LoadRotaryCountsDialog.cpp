#include "commands/io/LoadRotaryCountsDialog.h"

#include "driver/BoardRanges.h"
#include "driver/BoardTypes.h"

namespace tarvik {

LoadRotaryCountsDialog::LoadRotaryCountsDialog(App& app)
    : CommandDialog(app, {.name = "frmRotaryCount",
                          .caption = "Load Rotary Counts",
                          .helpTopic = 75,
                          .mask = kFourAxisServoGroup,
                          .axis = CommandAxisField{.keys = "", .selectOnFocus = false, .fixedCount = 4},
                          .fields = {{.name = "rotcnttxt",
                                      .label = "Rotary Counts",
                                      .maxLength = 9,
                                      .rule = {.check = FieldCheck::ValidateDoubleOrBlank,
                                               .bounds = {0, kRegister24Max},
                                               .selectOnFocus = false},
                                      .conversion = FieldConversion::Int32}},
                          .clearing = {.boardListFocus = false, .messageBox = false, .formClick = false},
                          .background = {.onResize = true, .onDeactivate = false},
                          .call = [](CommandRun& run) {
                              return run.driver.load_rot_counts(run.board, run.axis, run.value<std::int32_t>(0));
                          }})
{
}

} // namespace tarvik
