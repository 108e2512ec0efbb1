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
#include "program/MainWindowServices.h"

#include <array>

namespace tarvik {

namespace {

const auto kActions = std::to_array<MenuActionEntry>({
    // Return Data Buffer and raw command.
    {"flushrdb", &openChild<FlushRdbDialog>},
    {"returnrdb", &openChild<ReturnDataBufferViewer>},
    {"sendcommand", &openChild<SendCommandDialog>},
    {"readvel", &openChild<ReadVelocityToRdbDialog>},
    {"readioport", &openChild<ReadIoPortToRdbDialog>},
    {"readaxisstat", &openChild<ReadAxisStatusToRdbDialog>},
    {"readpos", &openChild<ReadPositionToRdbDialog>},
    {"readlimstat", &openChild<ReadLimitSwitchStatusToRdbDialog>},

    // Trigger, breakpoints and read-backs.
    {"returnlimstat", &openChild<ReadLimitSwitchStatusDialog>},
    {"returnioport", &openChild<ReadIoPortDialog>},
    {"beginprestore", &openChild<BeginTriggerPrestoreDialog>},
    {"endprestore", &openChild<EndTriggerPrestoreDialog>},
    {"trigbuffdelim", &openChild<TriggerBufferDelimiterDialog>},
    {"triggerio", &openChild<TriggerIoPortDialog>},
    {"enableiotrig", &openChild<EnableIoTriggerInputsDialog>},
    {"loadposbrk", &openChild<LoadPositionBreakpointDialog>},
    {"BreakMod", &openChild<LoadBreakpointModulusDialog>},
    {"enablebrk", &openChild<EnableBreakpointDialog>},
    {"postotrig", &openChild<BreakpointTriggerLinkDialog>},
    {"returncsr", &openChild<ReadCommStatusDialog>},

    // Outputs, aux I/O, searches, counts, board information.
    {"setiooutput", &openChild<SetIoPortOutputDialog>},
    {"rd24digio", &openChild<AuxPortADialog>},
    {"set24digio", &openChild<AuxPortBOutputDialog>},
    {"setportcdir", &openChild<AuxPortCDirectionDialog>},
    {"findhome", &openChild<FindHomeCommandDialog>},
    {"returnindex", &openChild<FindIndexCommandDialog>},
    {"storeecl", &openChild<StoreEncoderLineCountDialog>},
    {"LoadRotCountsmu", &openChild<LoadRotaryCountsDialog>},
    {"GetBoardName", &openChild<BoardNameDialog>},
    {"GetBoardInfo", &openChild<BoardInformationDialog>},
    {"readADC", &openChild<ReadAdConverterDialog>},
});

} // namespace

std::span<const MenuActionEntry> ioCommandMenuActions() { return kActions; }

} // namespace tarvik
