#include "commands/io/SendCommandDialog.h"

#include "forms/common/DialogMetrics.h"

#include <cstdint>

namespace tarvik {

namespace {

constexpr std::string_view kHexKeys = "0123456789ABCDEFabcdef";
constexpr std::int16_t kFirstCommand = 0x41;
constexpr std::int16_t kLastCommand = 0x99;

// Layout in twips: one row of captioned boxes after the board list (Axis, Command with "(hex)"
// beside it, Word Count, Command Data), RUN at the right below them, the status box across the
// bottom.
constexpr float kMargin = kDialogMargin;
constexpr float kCaptionTop = kFieldCaptionTop;
constexpr float kEntryTop = kFieldTop;
constexpr float kCaptionHeight = kLabelHeight;
constexpr float kEntryHeight = kTextBoxHeight;
constexpr float kAxisLeft = kFieldBesideListLeft;
constexpr float kShortWidth = 495;
constexpr float kCommandLeft = 2040;
constexpr float kHexLabelLeft = kCommandLeft + kShortWidth + 60;
constexpr float kHexLabelWidth = 450;
constexpr float kWordCountLeft = 3120;
constexpr float kWordCountCaptionWidth = 1000;
constexpr float kDataLeft = 4200;
constexpr float kDataWidth = 1455;
constexpr float kFormWidth = kDataLeft + kDataWidth + 3 * kMargin;
constexpr float kRunTop = 840;
constexpr float kRunWidth = kCommandButtonWidth;
constexpr float kRunHeight = kCommandButtonHeight;
constexpr float kRunLeft = kDataLeft + kDataWidth - kRunWidth;
constexpr float kMessageTop = kRunTop + kRunHeight + kMargin;

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
    axisLabel().move(kAxisLeft, kCaptionTop, kShortWidth, kCaptionHeight);
    axistxt().move(kAxisLeft, kEntryTop, kShortWidth, kEntryHeight);
    fieldLabel(0).move(kCommandLeft, kCaptionTop, kShortWidth + kHexLabelWidth, kCaptionHeight);
    cmdtxt.move(kCommandLeft, kEntryTop, kShortWidth, kEntryHeight);
    hexLabel.move(kHexLabelLeft, kEntryTop, kHexLabelWidth, kEntryHeight);
    fieldLabel(1).move(kWordCountLeft, kCaptionTop, kWordCountCaptionWidth, kCaptionHeight);
    wcounttxt.move(kWordCountLeft, kEntryTop, kShortWidth, kEntryHeight);
    fieldLabel(2).move(kDataLeft, kCaptionTop, kDataWidth, kCaptionHeight);
    cmddatatxt.move(kDataLeft, kEntryTop, kDataWidth, kEntryHeight);
    runcmd.move(kRunLeft, kRunTop, kRunWidth, kRunHeight);
    placeStatusBox(kMessageTop, kFormWidth);
}

} // namespace tarvik
