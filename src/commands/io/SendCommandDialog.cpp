#include "commands/io/SendCommandDialog.h"

#include "common/DialogMetrics.h"

#include <cstdint>

namespace tarvik {

namespace {

constexpr std::string_view kHexKeys = "0123456789ABCDEFabcdef";
constexpr std::int16_t kFirstCommand = 0x41;
constexpr std::int16_t kLastCommand = 0x99;

// Layout in twips: one row of captioned boxes after the board list (Axis, Command with "(hex)"
// beside it, Word Count, Command Data), RUN at the right below them, the status box across the
// bottom.
constexpr float kShortWidth = 495;
constexpr float kCommandLeft = 2040;
constexpr float kHexLabelLeft = kCommandLeft + kShortWidth + 60;
constexpr float kHexLabelWidth = 450;
constexpr float kWordCountLeft = 3120;
constexpr float kWordCountCaptionWidth = 1000;
constexpr float kDataLeft = 4200;
constexpr float kDataWidth = 1455;
constexpr float kFormWidth = kDataLeft + kDataWidth + 3 * kDialogMargin;
constexpr float kRunTop = 840;
constexpr float kRunLeft = kDataLeft + kDataWidth - kCommandButtonWidth;
constexpr float kMessageTop = kRunTop + kCommandButtonHeight + kDialogMargin;

} // namespace

SendCommandDialog::SendCommandDialog(App& app)
    : CommandDialog(
          app,
          {.name = "frmsendcmd",
           .caption = "Send Command",
           .helpTopic = 98,
           .axis = CommandAxisField{.maxLength = 2},
           .fields = {{.name = "cmdtxt",
                       .labelName = "Label1",
                       .label = "Command",
                       .maxLength = 2,
                       .rule = {.keys = kHexKeys,
                                .check = FieldCheck::ValidateHex,
                                .bounds = {kFirstCommand, kLastCommand},
                                .leaving = FieldLeaving::Recheck,
                                .quietChange = true},
                       .conversion = FieldConversion::Hex16},
                      {.name = "wcounttxt",
                       .labelName = "Label2",
                       .label = "Word Count",
                       .maxLength = 2,
                       .rule = {.check = FieldCheck::ClampInteger, .bounds = {2, 4}, .leaving = FieldLeaving::Keep}},
                      {.name = "cmddatatxt",
                       .labelName = "Label3",
                       .label = "Command Data",
                       .maxLength = 11,
                       .rule = {.keys = kSignedKeys,
                                .check = FieldCheck::ValidateDoubleOrBlank,
                                .bounds = {-2147483648.0, 2147483647.0},
                                .signFirstOnly = true},
                       .conversion = FieldConversion::Int32}},
           .clearing = {.messageBox = false},
           .call =
               [](CommandRun& run) {
                   return run.driver.send_command(run.board, run.axis, run.value<std::int16_t>(0),
                                                  run.value<std::int16_t>(1), run.value<std::int32_t>(2));
               }}),
      hexLabel(this, "Label6", {.caption = "(hex)"})
{
    arrange();
}

void SendCommandDialog::arrange()
{
    axisLabel().move(kFieldBesideListLeft, kFieldCaptionTop, kShortWidth, kLabelHeight);
    axistxt().move(kFieldBesideListLeft, kFieldTop, kShortWidth, kTextBoxHeight);
    fieldLabel(0).move(kCommandLeft, kFieldCaptionTop, kShortWidth + kHexLabelWidth, kLabelHeight);
    cmdtxt.move(kCommandLeft, kFieldTop, kShortWidth, kTextBoxHeight);
    hexLabel.move(kHexLabelLeft, kFieldTop, kHexLabelWidth, kTextBoxHeight);
    fieldLabel(1).move(kWordCountLeft, kFieldCaptionTop, kWordCountCaptionWidth, kLabelHeight);
    wcounttxt.move(kWordCountLeft, kFieldTop, kShortWidth, kTextBoxHeight);
    fieldLabel(2).move(kDataLeft, kFieldCaptionTop, kDataWidth, kLabelHeight);
    cmddatatxt.move(kDataLeft, kFieldTop, kDataWidth, kTextBoxHeight);
    runcmd.move(kRunLeft, kRunTop, kCommandButtonWidth, kCommandButtonHeight);
    placeStatusBox(kMessageTop, kFormWidth);
}

} // namespace tarvik
