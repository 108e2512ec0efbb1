#include "kit/WindowHelpTopics.h"

#include "commands/io/AuxPortADialog.h"
#include "commands/io/AuxPortBOutputDialog.h"
#include "commands/io/AuxPortCDirectionDialog.h"
#include "commands/io/BeginTriggerPrestoreDialog.h"
#include "commands/io/BoardInformationDialog.h"
#include "commands/io/BoardNameDialog.h"
#include "commands/io/BreakpointTriggerLinkDialog.h"
#include "commands/io/EnableBreakpointDialog.h"
#include "commands/io/EnableIoTriggerInputsDialog.h"
#include "commands/io/EndTriggerPrestoreDialog.h"
#include "commands/io/FindHomeCommandDialog.h"
#include "commands/io/FindIndexCommandDialog.h"
#include "commands/io/FlushRdbDialog.h"
#include "commands/io/LoadBreakpointModulusDialog.h"
#include "commands/io/LoadPositionBreakpointDialog.h"
#include "commands/io/LoadRotaryCountsDialog.h"
#include "commands/io/ReadAdConverterDialog.h"
#include "commands/io/ReadAxisStatusToRdbDialog.h"
#include "commands/io/ReadCommStatusDialog.h"
#include "commands/io/ReadIoPortDialog.h"
#include "commands/io/ReadIoPortToRdbDialog.h"
#include "commands/io/ReadLimitSwitchStatusDialog.h"
#include "commands/io/ReadLimitSwitchStatusToRdbDialog.h"
#include "commands/io/ReadPositionToRdbDialog.h"
#include "commands/io/ReadVelocityToRdbDialog.h"
#include "commands/io/ReturnDataBufferViewer.h"
#include "commands/io/SendCommandDialog.h"
#include "commands/io/SetIoPortOutputDialog.h"
#include "commands/io/StoreEncoderLineCountDialog.h"
#include "commands/io/TriggerBufferDelimiterDialog.h"
#include "commands/io/TriggerIoPortDialog.h"
#include "commands/motion/AxisStatusDialog.h"
#include "commands/motion/InPositionDialog.h"
#include "commands/motion/KillAllDialog.h"
#include "commands/motion/KillMotionDialog.h"
#include "commands/motion/LoadAccelerationDialog.h"
#include "commands/motion/LoadAccelerationFactorDialog.h"
#include "commands/motion/LoadDerivativeGainDialog.h"
#include "commands/motion/LoadDerivativeSamplePeriodDialog.h"
#include "commands/motion/LoadFollowingErrorDialog.h"
#include "commands/motion/LoadIntegralGainDialog.h"
#include "commands/motion/LoadIntegrationLimitDialog.h"
#include "commands/motion/LoadPositionScaleFactorDialog.h"
#include "commands/motion/LoadProportionalGainDialog.h"
#include "commands/motion/LoadReferenceOffsetDialog.h"
#include "commands/motion/LoadRpmDialog.h"
#include "commands/motion/LoadRpspsDialog.h"
#include "commands/motion/LoadStepsAndLinesDialog.h"
#include "commands/motion/LoadTargetPositionDialog.h"
#include "commands/motion/LoadTimeBreakpointDialog.h"
#include "commands/motion/LoadVelocityDialog.h"
#include "commands/motion/MasterSlaveDialog.h"
#include "commands/motion/MultiAxisStartDialog.h"
#include "commands/motion/ReadEncoderDialog.h"
#include "commands/motion/ReadEncoderToRdbDialog.h"
#include "commands/motion/ReadPositionDialog.h"
#include "commands/motion/ReadRpmDialog.h"
#include "commands/motion/ReadVelocityDialog.h"
#include "commands/motion/ResetPositionDialog.h"
#include "commands/motion/SetBaseVelocityDialog.h"
#include "commands/motion/SetDirectionDialog.h"
#include "commands/motion/SetLoopModeDialog.h"
#include "commands/motion/SetOperationModeDialog.h"
#include "commands/motion/SetScaleSequenceDialog.h"
#include "commands/motion/SetStopModeDialog.h"
#include "commands/motion/StartMotionDialog.h"
#include "commands/motion/StopMotionDialog.h"
#include "commands/motion/StoreStepsPerRevDialog.h"
#include "commands/motion/VelocityChangeDialog.h"
#include "init/ClosedLoopStepper4Wizard.h"
#include "init/ClosedLoopStepperWizard.h"
#include "init/EncoderWizard.h"
#include "init/FindHomePanel.h"
#include "init/FindIndexPanel.h"
#include "init/IoPortSettingsDialog.h"
#include "init/LimitSwitchSettingsDialog.h"
#include "init/LoadOptionDialog.h"
#include "init/LoadPidAllDialog.h"
#include "init/OpenLoopStepper4Wizard.h"
#include "init/OpenLoopStepperWizard.h"
#include "init/SaveOptionDialog.h"
#include "init/Servo4Wizard.h"
#include "init/ServoWizard.h"
#include "init/InitProgressWindow.h"
#include "init/StepOutputModeDialog.h"
#include "mainwindow/MainWindowForm.h"
#include "panels/ServoTestPanel.h"
#include "panels/StepperTestPanel.h"
#include "panels/xy/SegmentVelocityDialog.h"
#include "panels/xy/XyFindHomePanel.h"
#include "panels/xy/XyFindIndexPanel.h"
#include "panels/xy/XyTableDemo.h"
#include "program/App.h"
#include "shell/AboutWindow.h"
#include "shell/AskSaveWindow.h"
#include "shell/BackgroundWindow.h"
#include "shell/BadConfigurationWindow.h"
#include "shell/ConfirmWindow.h"
#include "shell/ErrorWindow.h"
#include "shell/PreferencesWindow.h"

#include <array>

namespace tarvik::testing {

namespace {

template <class F>
Form& built(App& app)
{
    return app.form<F>();
}

Form& startedMainWindow(App& app) { return *app.loaded<MainWindowForm>(); }

// Sorted by form name. Windows that share a help page share a number, declared in kSharedTopics.
const auto kTopics = std::to_array<WindowHelpTopic>({
    {"Frm71", 89, &built<AuxPortADialog>},
    {"Frm72", 101, &built<AuxPortBOutputDialog>},
    {"Frm72c", 106, &built<AuxPortCDirectionDialog>},
    {"GetBInfo", 59, &built<BoardInformationDialog>},
    {"GetBName", 60, &built<BoardNameDialog>},
    {"frm42", 91, &built<ReadLimitSwitchStatusToRdbDialog>},
    {"frm42ret", 91, &built<ReadLimitSwitchStatusDialog>},
    {"frm45", 102, &built<SetIoPortOutputDialog>},
    {"frm46", 51, &built<EnableIoTriggerInputsDialog>},
    {"frm47", 90, &built<ReadIoPortToRdbDialog>},
    {"frm47ret", 90, &built<ReadIoPortDialog>},
    {"frm48", 118, &built<TriggerIoPortDialog>},
    {"frm49", 86, &built<ReadAxisStatusToRdbDialog>},
    {"frm4C", 347, &built<StopMotionDialog>},
    {"frm4D", 345, &built<KillMotionDialog>},
    {"frm4E", 330, &built<LoadTargetPositionDialog>},
    {"frm4Fs", 332, &built<LoadVelocityDialog>},
    {"frm50", 341, &built<ResetPositionDialog>},
    {"frm53", 92, &built<ReadPositionToRdbDialog>},
    {"frm53ret", 331, &built<ReadPositionDialog>},
    {"frm54rets", 334, &built<ReadVelocityDialog>},
    {"frm54s", 96, &built<ReadVelocityToRdbDialog>},
    {"frm55", 348, &built<SetStopModeDialog>},
    {"frm56s", 354, &built<LoadFollowingErrorDialog>},
    {"frm57", 364, &built<LoadStepsAndLinesDialog>},
    {"frm57s", 353, &built<LoadDerivativeSamplePeriodDialog>},
    {"frm58", 349, &built<LoadProportionalGainDialog>},
    {"frm59", 367, &built<ReadEncoderToRdbDialog>},
    {"frm59ret", 366, &built<ReadEncoderDialog>},
    {"frm59s", 350, &built<LoadIntegralGainDialog>},
    {"frm5A", 365, &built<SetLoopModeDialog>},
    {"frm5As", 351, &built<LoadDerivativeGainDialog>},
    {"frm5Bs", 352, &built<LoadIntegrationLimitDialog>},
    {"frm5C", 344, &built<MultiAxisStartDialog>},
    {"frm5D", 117, &built<TriggerBufferDelimiterDialog>},
    {"frm5F", 48, &built<BeginTriggerPrestoreDialog>},
    {"frm5b", 360, &built<SetBaseVelocityDialog>},
    {"frm60", 54, &built<EndTriggerPrestoreDialog>},
    {"frm61", 343, &built<StartMotionDialog>},
    {"frm62", 336, &built<LoadAccelerationDialog>},
    {"frm63", 362, &built<LoadAccelerationFactorDialog>},
    {"frm63s", 339, &built<SetDirectionDialog>},
    {"frm64s", 340, &built<SetOperationModeDialog>},
    {"frm65", 71, &built<LoadPositionBreakpointDialog>},
    {"frm66", 50, &built<EnableBreakpointDialog>},
    {"frm67", 359, &built<LoadTimeBreakpointDialog>},
    {"frm68", 356, &built<LoadReferenceOffsetDialog>},
    {"frm69", 355, &built<LoadPositionScaleFactorDialog>},
    {"frm6A", 357, &built<SetScaleSequenceDialog>},
    {"frmAdjustVel", 361, &built<VelocityChangeDialog>},
    {"frmFindIndex", 56, &built<FindIndexCommandDialog>},
    {"frmIOSettings", 321, &built<IoPortSettingsDialog>},
    {"frmLimSwSettings", 319, &built<LimitSwitchSettingsDialog>},
    {"frmPosToTrig", 53, &built<BreakpointTriggerLinkDialog>},
    {"frmRotaryCount", 75, &built<LoadRotaryCountsDialog>},
    {"frmScaleSegments", 208, &built<SegmentVelocityDialog>},
    {"frmStepOutMode", 320, &built<StepOutputModeDialog>},
    {"frmabout", 305, &built<AboutWindow>},
    {"frmasksave", 302, &built<AskSaveWindow>},
    {"frmautoinit", 325, &built<InitProgressWindow>},
    {"frmaxstat", 338, &built<AxisStatusDialog>},
    {"frmbadconfig", 306, &built<BadConfigurationWindow>},
    {"frmbreakmod", 65, &built<LoadBreakpointModulusDialog>},
    {"frmconfbid", 303, &built<ConfirmBoardWindow>},
    {"frmconfinit", 304, &built<ConfirmInitWindow>},
    {"frmerrmsg", 301, &built<ErrorWindow>},
    {"frmfindhmdir", 55, &built<FindHomeCommandDialog>},
    {"frmfindhome", 322, &built<FindHomePanel>},
    {"frmfindindx", 323, &built<FindIndexPanel>},
    {"frmfrdb", 57, &built<FlushRdbDialog>},
    {"frminitPelto", 316, &built<EncoderWizard>},
    {"frminitserv", 310, &built<ServoWizard>},
    {"frminitserv4a", 313, &built<Servo4Wizard>},
    {"frminitstcl", 312, &built<ClosedLoopStepperWizard>},
    {"frminitstcl4a", 315, &built<ClosedLoopStepper4Wizard>},
    {"frminitstol", 311, &built<OpenLoopStepperWizard>},
    {"frminitstol4a", 314, &built<OpenLoopStepper4Wizard>},
    {"frminpos", 342, &built<InPositionDialog>},
    {"frmkillall", 346, &built<KillAllDialog>},
    {"frmldpid", 324, &built<LoadPidAllDialog>},
    {"frmldrpm", 333, &built<LoadRpmDialog>},
    {"frmldrpsps", 337, &built<LoadRpspsDialog>},
    {"frmloadopt", 317, &built<LoadOptionDialog>},
    {"frmpicture", 300, &built<BackgroundWindow>},
    {"frmprefs", 307, &built<PreferencesWindow>},
    {"frmrdbret", 93, &built<ReturnDataBufferViewer>},
    {"frmreadadc", 85, &built<ReadAdConverterDialog>},
    {"frmretrpm", 335, &built<ReadRpmDialog>},
    {"frmrtcostat", 87, &built<ReadCommStatusDialog>},
    {"frmsaveopt", 318, &built<SaveOptionDialog>},
    {"frmsendcmd", 98, &built<SendCommandDialog>},
    {"frmservtest", 202, &built<ServoTestPanel>},
    {"frmsteptest", 202, &built<StepperTestPanel>},
    {"frmstoreelc", 114, &built<StoreEncoderLineCountDialog>},
    {"frmstorespr", 363, &built<StoreStepsPerRevDialog>},
    {"frmxyhome", 55, &built<XyFindHomePanel>},
    {"frmxyindex", 56, &built<XyFindIndexPanel>},
    {"frmxytable", 218, &built<XyTableDemo>},
    {"mditarvik", 300, &startedMainWindow},
    {"mstrslav", 358, &built<MasterSlaveDialog>},
});

// Sorted by topic.
const std::vector<SharedHelpTopic> kSharedTopics{
    {55, {"frmfindhmdir", "frmxyhome"}},  // Find Home: the command dialog and the XY demo's panel
    {56, {"frmFindIndex", "frmxyindex"}}, // Find Index: the same
    {90, {"frm47", "frm47ret"}},          // the I/O port read, to the buffer and shown
    {91, {"frm42", "frm42ret"}},          // the limit switch status read, to the buffer and shown
    {202, {"frmservtest", "frmsteptest"}}, // the servo and stepper test panels
    {300, {"frmpicture", "mditarvik"}},    // the main window and its background
};

} // namespace

std::span<const WindowHelpTopic> windowHelpTopics() { return kTopics; }

std::span<const SharedHelpTopic> sharedHelpTopics() { return kSharedTopics; }

} // namespace tarvik::testing
