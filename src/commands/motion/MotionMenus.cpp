#include "commands/motion/MotionMenus.h"

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
#include "program/MainWindowServices.h"

#include <array>

namespace tarvik {

namespace {

const auto kActions = std::to_array<MenuActionEntry>({
    // Trajectory loads and stepper velocity dialogs.
    {"loadtargetpos", &openChild<LoadTargetPositionDialog>},
    {"loadvel", &openChild<LoadVelocityDialog>},
    {"loadrpm", &openChild<LoadRpmDialog>},
    {"loadaccel", &openChild<LoadAccelerationDialog>},
    {"loadrpsps", &openChild<LoadRpspsDialog>},
    {"loadtimebrk", &openChild<LoadTimeBreakpointDialog>},
    {"setbasevel1", &openChild<SetBaseVelocityDialog>},
    {"Veladjmu", &openChild<VelocityChangeDialog, Opening::ShowOnly>},
    {"loadaccelfact1", &openChild<LoadAccelerationFactorDialog>},

    // Read-back and status dialogs.
    {"returnpos", &openReadPresentPosition},
    {"returnvel", &openChild<ReadVelocityDialog>},
    {"retrpm", &openChild<ReadRpmDialog>},
    {"returnaxisstat", &openChild<AxisStatusDialog>},
    {"inpos", &openChild<InPositionDialog>},
    {"returnencoder", &openChild<ReadEncoderDialog>},
    {"readencoder", &openChild<ReadEncoderToRdbDialog>},

    // Start, stop, kill, reset, multi-axis start, modes, master/slave and scale factor dialogs.
    {"startmotion", &openChild<StartMotionDialog>},
    {"multistart", &openChild<MultiAxisStartDialog>},
    {"killmotion", &openChild<KillMotionDialog>},
    {"killall", &openChild<KillAllDialog>},
    {"stopmotion", &openChild<StopMotionDialog>},
    {"resetpos", &openChild<ResetPositionDialog>},
    {"setposmode", &openChild<SetOperationModeDialog>},
    {"setdirection", &openChild<SetDirectionDialog>},
    {"setscaleseq1", &openChild<SetScaleSequenceDialog>},
    {"setscaleseq2", &openChild<SetScaleSequenceDialog>},
    {"masterSlaveConfigure", &openChild<MasterSlaveDialog>},
    {"loadposscale1", &openChild<LoadPositionScaleFactorDialog>},
    {"loadposscale2", &openChild<LoadPositionScaleFactorDialog>},

    // Stop mode, gains and following error (kept in the settings record).
    {"setstopmode", &openChild<SetStopModeDialog>},
    {"loadpropgain", &openChild<LoadProportionalGainDialog>},
    {"loadintggain", &openChild<LoadIntegralGainDialog>},
    {"loadderivgain", &openChild<LoadDerivativeGainDialog>},
    {"loadintglim", &openChild<LoadIntegrationLimitDialog>},
    {"loadderivper", &openChild<LoadDerivativeSamplePeriodDialog>},
    {"loadfolerr1", &openChild<LoadFollowingErrorDialog>},
    {"loadfolerr2", &openChild<LoadFollowingErrorDialog>},

    // Reference offset, steps and lines, loop mode (kept in the settings record).
    {"loadposref1", &openChild<LoadReferenceOffsetDialog>},
    {"loadposref2", &openChild<LoadReferenceOffsetDialog>},
    {"storestepsperrevmu", &openChild<StoreStepsPerRevDialog>},
    {"loadstepslines", &openChild<LoadStepsAndLinesDialog>},
    {"setloopmode", &openChild<SetLoopModeDialog>},
});

} // namespace

std::span<const MenuActionEntry> motionCommandMenuActions() { return kActions; }

} // namespace tarvik
