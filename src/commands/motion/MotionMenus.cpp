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
#include "shell/MainWindowServices.h"

#include <array>

namespace tarvik {

namespace {

const auto kItems = std::to_array<MenuItemRow>({
    // Functions > Trajectory Control.
    {"loadtargetpos", "Load Target Position", "trajectorymu", 10, &openChild<LoadTargetPositionDialog>},
    {"returnpos", "Read Position", "trajectorymu", 20, &openReadPresentPosition},
    {"loadvel", "Load Velocity", "trajectorymu", 30, &openChild<LoadVelocityDialog>},
    {"loadrpm", "Load RPM", "trajectorymu", 40, &openChild<LoadRpmDialog>},
    {"returnvel", "Read Present Velocity", "trajectorymu", 50, &openChild<ReadVelocityDialog>},
    {"retrpm", "Read RPM", "trajectorymu", 60, &openChild<ReadRpmDialog>},
    {"loadaccel", "Load Acceleration", "trajectorymu", 70, &openChild<LoadAccelerationDialog>},
    {"loadrpsps", "Load RPSPS", "trajectorymu", 80, &openChild<LoadRpspsDialog>},
    {"returnaxisstat", "Read Per Axis H/W Status", "trajectorymu", 90, &openChild<AxisStatusDialog>},
    {"setdirection", "Set Direction", "trajectorymu", 100, &openChild<SetDirectionDialog>},
    {"setposmode", "Set Operation Mode", "trajectorymu", 110, &openChild<SetOperationModeDialog>},
    {"resetpos", "Reset Position", "trajectorymu", 120, &openChild<ResetPositionDialog>},
    {"inpos", "In Position", "trajectorymu", 130, &openChild<InPositionDialog>},

    // Functions > Start/Stop.
    {"startmotion", "Start Motion", "startstopmu", 10, &openChild<StartMotionDialog>},
    {"multistart", "Multi-Axis Start", "startstopmu", 20, &openChild<MultiAxisStartDialog>},
    {"killmotion", "Kill Motion", "startstopmu", 30, &openChild<KillMotionDialog>},
    {"killall", "Kill All", "startstopmu", 40, &openChild<KillAllDialog>},
    {"stopmotion", "Stop Motion", "startstopmu", 50, &openChild<StopMotionDialog>},
    {"setstopmode", "Set Stop Mode", "startstopmu", 60, &openChild<SetStopModeDialog>},

    // Functions > Servo; the init family's Load PID All ends it.
    {"loadpropgain", "Load PID Proportional Gain", "servomu", 10, &openChild<LoadProportionalGainDialog>},
    {"loadintggain", "Load PID Integral Gain", "servomu", 20, &openChild<LoadIntegralGainDialog>},
    {"loadderivgain", "Load PID Derivative Gain", "servomu", 30, &openChild<LoadDerivativeGainDialog>},
    {"loadintglim", "Load PID Integration Limit", "servomu", 40, &openChild<LoadIntegrationLimitDialog>},
    {"loadderivper", "Load PID Derivative Sample Period", "servomu", 50, &openChild<LoadDerivativeSamplePeriodDialog>},
    {"loadfolerr1", "Load Following Error Count", "servomu", 60, &openChild<LoadFollowingErrorDialog>},
    {"loadposscale1", "Load Position Scale Factor", "servomu", 70, &openChild<LoadPositionScaleFactorDialog>},
    {"loadposref1", "Load Position Reference Offset", "servomu", 80, &openChild<LoadReferenceOffsetDialog>},
    {"setscaleseq1", "Set Scale Factor Sequence", "servomu", 90, &openChild<SetScaleSequenceDialog>},
    {"masterSlaveConfigure", "Master Slave Configure", "servomu", 100, &openChild<MasterSlaveDialog>},
    {"loadtimebrk", "Load Anticipation Time Breakpoint", "servomu", 110, &openChild<LoadTimeBreakpointDialog>},

    // Functions > Stepper, between the init family's item and the I/O family's.
    {"setbasevel1", "Set Base Velocity", "steppermu", 20, &openChild<SetBaseVelocityDialog>},
    {"Veladjmu", "Incremental Velocity Change", "steppermu", 30, &openChild<VelocityChangeDialog, Opening::ShowOnly>},
    {"loadaccelfact1", "Load Acceleration Factor", "steppermu", 40, &openChild<LoadAccelerationFactorDialog>},
    {"storestepsperrevmu", "Store Steps Per Rev", "steppermu", 50, &openChild<StoreStepsPerRevDialog>},

    // Functions > Stepper Closed Loop.
    {"loadstepslines", "Load Steps and Lines/Rev", "stepclmu", 10, &openChild<LoadStepsAndLinesDialog>},
    {"setloopmode", "Set Loop Mode", "stepclmu", 20, &openChild<SetLoopModeDialog>},
    {"loadfolerr2", "Load Following Error Count", "stepclmu", 30, &openChild<LoadFollowingErrorDialog>},
    {"returnencoder", "Read Encoder", "stepclmu", 40, &openChild<ReadEncoderDialog>},
    {"readencoder", "Read Encoder to Return Data Buffer", "stepclmu", 50, &openChild<ReadEncoderToRdbDialog>},
    {"loadposscale2", "Load Position Scale Factor", "stepclmu", 60, &openChild<LoadPositionScaleFactorDialog>},
    {"loadposref2", "Load Position Reference Offset", "stepclmu", 70, &openChild<LoadReferenceOffsetDialog>},
    {"setscaleseq2", "Set Scale Factor Sequence", "stepclmu", 80, &openChild<SetScaleSequenceDialog>},
});

} // namespace

std::span<const MenuItemRow> motionCommandMenuItems() { return kItems; }

} // namespace tarvik
