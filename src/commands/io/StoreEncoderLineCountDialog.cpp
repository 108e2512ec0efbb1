#include "commands/io/StoreEncoderLineCountDialog.h"

#include "driver/BoardTypes.h"

namespace tarvik {

StoreEncoderLineCountDialog::StoreEncoderLineCountDialog(App& app)
    : CommandDialog(app, {.name = "frmstoreelc",
                          .caption = "Store Encoder Line Count",
                          .helpTopic = 114,
                          .mask = kServoAndEncoderGroups,
                          .axis = CommandAxisField{},
                          .fields = {{.name = "elctxt",
                                      .label = "Encoder Line Count",
                                      .maxLength = 6,
                                      .rule = {.check = FieldCheck::ValidateInteger, .bounds = {1, 32767}},
                                      .conversion = FieldConversion::Int16}},
                          .clearing = {.boardListFocus = false, .messageBox = false},
                          .call = [](CommandRun& run) {
                              return run.driver.store_elc(run.board, run.axis, run.value<std::int16_t>(0));
                          },
                          .kept = {{.field = AxisField::EncoderLines, .shownAtLoad = true}}})
{
}

} // namespace tarvik
