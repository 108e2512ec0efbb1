#include "commands/io/ReadAdConverterDialog.h"

#include "base/NumberText.h"
#include "driver/BoardTypes.h"

namespace tarvik {

ReadAdConverterDialog::ReadAdConverterDialog(App& app)
    : CommandDialog(app, {.name = "frmreadadc",
                          .caption = "Read A/D Converter Value",
                          .helpTopic = 85,
                          .mask = kFourAxisAndEncoderGroups,
                          .axis = std::nullopt,
                          .fields = {{.name = "channeltxt",
                                      .labelName = "Label5",
                                      .label = "Channel",
                                      .maxLength = 1,
                                      .rule = {.keys = "12345678",
                                               .check = FieldCheck::ClampInteger,
                                               .bounds = {1, 8},
                                               .leaving = FieldLeaving::Keep},
                                      .conversion = FieldConversion::Int16,
                                      .loadText = "1"}},
                          .readBacks = {{.captionName = "Label3", .caption = "ADC Value", .name = "poslbl"}},
                          .clearing = {.boardListFocus = false, .messageBox = false},
                          .call = [](CommandRun& run) {
                              std::int16_t value = 0;
                              const DriverStatus status = run.driver.read_adc(run.board, run.value<std::int16_t>(0), value);
                              run.show(0, strTrimmed(value));
                              return status;
                          }})
{
}

} // namespace tarvik
