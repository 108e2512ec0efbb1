#include "commands/io/IoMenus.h"

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
#include "shell/MainWindowServices.h"

#include <array>

namespace tarvik {

namespace {

const auto kItems = std::to_array<MenuItemRow>({
    // Functions > Initialization, after the init family's item.
    {"returnlimstat", "Read Limit Switch Status", "initializationmu", 20, &openChild<ReadLimitSwitchStatusDialog>},
    {"findhome", "Find Home", "initializationmu", 30, &openChild<FindHomeCommandDialog>},
    {"returnindex", "Find Encoder Index", "initializationmu", 40, &openChild<FindIndexCommandDialog>},

    // Functions > Stepper, after the init and motion families' items.
    {"rd24digio", "Read Aux Digital I/O Input Values", "steppermu", 60, &openChild<AuxPortADialog>},
    {"set24digio", "Set Aux Digital I/O Values", "steppermu", 70, &openChild<AuxPortBOutputDialog>},
    {"setportcdir", "Set Port C Direction", "steppermu", 80, &openChild<AuxPortCDirectionDialog>},

    // Functions > Inputs/Outputs/Breakpoints, after the init family's item.
    {"returnioport", "Read I/O Port", "iomu", 20, &openChild<ReadIoPortDialog>},
    {"setiooutput", "Set I/O Port Output", "iomu", 30, &openChild<SetIoPortOutputDialog>},
    {"beginprestore", "Begin Trigger Buffer Prestore", "iomu", 40, &openChild<BeginTriggerPrestoreDialog>},
    {"endprestore", "End Trigger Buffer Prestore", "iomu", 50, &openChild<EndTriggerPrestoreDialog>},
    {"trigbuffdelim", "Trigger Buffer Delimiter", "iomu", 60, &openChild<TriggerBufferDelimiterDialog>},
    {"triggerio", "Trigger I/O Port #", "iomu", 70, &openChild<TriggerIoPortDialog>},
    {"enableiotrig", "Enable I/O Port Trigger Inputs", "iomu", 80, &openChild<EnableIoTriggerInputsDialog>},
    {"loadposbrk", "Load Position Breakpoint", "iomu", 90, &openChild<LoadPositionBreakpointDialog>},
    {"BreakMod", "Load Breakpoint Modulus", "iomu", 100, &openChild<LoadBreakpointModulusDialog>},
    {"enablebrk", "Enable Breakpoint Function", "iomu", 110, &openChild<EnableBreakpointDialog>},
    {"postotrig", "Set Breakpoint to Trigger Link", "iomu", 120, &openChild<BreakpointTriggerLinkDialog>},

    // Functions > General.
    {"flushrdb", "Flush Return Data Buffer", "generalmu", 10, &openChild<FlushRdbDialog>},
    {"returnrdb", "Read Return Data Buffer", "generalmu", 20, &openChild<ReturnDataBufferViewer>},
    {"sendcommand", "Send Command", "generalmu", 30, &openChild<SendCommandDialog>},
    {"returncsr", "Read Communication Status Register", "generalmu", 40, &openChild<ReadCommStatusDialog>},
    {"storeecl", "Store Encoder Line Count", "generalmu", 50, &openChild<StoreEncoderLineCountDialog>},
    {"LoadRotCountsmu", "Load Rotary Counts", "generalmu", 60, &openChild<LoadRotaryCountsDialog>},
    {"GetBoardName", "Get Motion Board Name", "generalmu", 70, &openChild<BoardNameDialog>},
    {"GetBoardInfo", "Get Motion Board Info", "generalmu", 80, &openChild<BoardInformationDialog>},
    {"readADC", "Read A/D Converter Analog Input Value", "generalmu", 90, &openChild<ReadAdConverterDialog>},

    // Functions > Advanced RDB Functions.
    {"readvel", "Read Velocity to Return Data Buffer", "rdbmu", 10, &openChild<ReadVelocityToRdbDialog>},
    {"readioport", "Read I/O Port to Return Data Buffer", "rdbmu", 20, &openChild<ReadIoPortToRdbDialog>},
    {"readaxisstat", "Read Per Axis H/W Status to Return Data Buffer", "rdbmu", 30,
     &openChild<ReadAxisStatusToRdbDialog>},
    {"readpos", "Read Position to Return Data Buffer", "rdbmu", 40, &openChild<ReadPositionToRdbDialog>},
    {"readlimstat", "Read Limit Switch Status to Return Data Buffer", "rdbmu", 50,
     &openChild<ReadLimitSwitchStatusToRdbDialog>},
});

} // namespace

std::span<const MenuItemRow> ioCommandMenuItems() { return kItems; }

} // namespace tarvik
