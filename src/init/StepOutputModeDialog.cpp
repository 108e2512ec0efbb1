#include "init/StepOutputModeDialog.h"

#include "common/DialogMetrics.h"
#include "driver/BoardTypes.h"
#include "program/SettingsMasks.h"

#include <optional>
#include <type_traits>

namespace tarvik {

namespace {

const SetupDialogDesign kDesign{
    .form = {.caption = "Set Step Output Mode and Polarity", .width = 5640, .height = 3360, .helpTopic = 320},
    .menuMask = kStepperGroups,
    .runOrder = RunOrder::SendThenStoreOnSuccess,
    .boardLabel = {120, 180, 855, 255},
    .boardList = {1080, 120, kBoardListWidth, kDropDownHeight},
    .setButton = {1080, 1800, kCommandButtonWidth, kCommandButtonHeight},
    .runButton = {2400, 1800, kCommandButtonWidth, kCommandButtonHeight},
    .cancelButton = {3720, 1800, kCommandButtonWidth, kCommandButtonHeight},
    .statusBox = {120, 2400, 5175, 315},
    .clearStatusOnFormClick = true,
    .backgroundToBackOnResize = true,
    .backgroundToBackOnDeactivate = true,
};

} // namespace

StepOutputModeDialog::StepOutputModeDialog(App& app)
    : SetupDialog(app, "frmStepOutMode", kDesign),
      choices_{{{ipi, inhibitInvertingLabel, true},
                {ipn, inhibitNonInvertingLabel, true},
                {opi, outputInvertingLabel, false},
                {opn, outputNonInvertingLabel, false},
                {omsd, stepAndDirLabel, false},
                {omcw, cwCcwLabel, false}}}
{
    ipi.setValue(true);
    opi.setValue(true);
    omsd.setValue(true);
    for (const Choice& choice : choices_) {
        choice.button.onClick = [this, &choice] { choice_Click(choice); };
        choice.caption.onClick = [this, &choice] { caption_Click(choice); };
    }
}

void StepOutputModeDialog::choice_Click(const Choice& choice)
{
    if (loading()) return;
    choiceClicked();
    if (choice.clearsStatus) msgtxt.setText("");
}

void StepOutputModeDialog::caption_Click(const Choice& choice)
{
    choice.button.setValue(true);
    choiceClicked();
}

bool StepOutputModeDialog::keepsSettingsFor(std::int16_t typeCode) const
{
    const std::optional<BoardClass> boardClass = classOf(typeCode);
    return boardClass == BoardClass::OpenLoopStepper || boardClass == BoardClass::ClosedLoopStepper;
}

void StepOutputModeDialog::loadSettings(std::int16_t typeCode, std::int16_t board)
{
    visitRecord(app().state().Settings, typeCode, board, [&](const auto& record) {
        if constexpr (StepperRecord<std::remove_cvref_t<decltype(record)>>) {
            (record.InhibitInverted != 0 ? ipi : ipn).setValue(true);
            (record.OutputInverted != 0 ? opi : opn).setValue(true);
            (record.StepDirMode != 0 ? omsd : omcw).setValue(true);
        }
    });
}

void StepOutputModeDialog::storeSettings(std::int16_t typeCode, std::int16_t board)
{
    visitRecord(app().state().Settings, typeCode, board, [&](auto& record) {
        if constexpr (StepperRecord<std::remove_cvref_t<decltype(record)>>) {
            record.InhibitInverted = ipi.value() ? -1 : 0;
            record.OutputInverted = opi.value() ? -1 : 0;
            record.StepDirMode = omsd.value() ? -1 : 0;
        }
    });
}

DriverStatus StepOutputModeDialog::sendSettings(std::int16_t, std::int16_t board)
{
    return app().driver().set_step_mode_pol(board, StepModeWord(omsd.value(), opi.value(), ipi.value()));
}

} // namespace tarvik
