#include "commands/io/IoMenus.h"

#include "commands/io/Frm71.h"
#include "commands/io/Frm72.h"
#include "commands/io/Frm72c.h"
#include "commands/io/GetBInfo.h"
#include "commands/io/GetBName.h"
#include "commands/io/frm42.h"
#include "commands/io/frm42ret.h"
#include "commands/io/frm45.h"
#include "commands/io/frm46.h"
#include "commands/io/frm47.h"
#include "commands/io/frm47ret.h"
#include "commands/io/frm48.h"
#include "commands/io/frm49.h"
#include "commands/io/frm53.h"
#include "commands/io/frm54s.h"
#include "commands/io/frm5D.h"
#include "commands/io/frm5F.h"
#include "commands/io/frm60.h"
#include "commands/io/frm65.h"
#include "commands/io/frm66.h"
#include "commands/io/frmFindIndex.h"
#include "commands/io/frmPosToTrig.h"
#include "commands/io/frmRotaryCount.h"
#include "commands/io/frmbreakmod.h"
#include "commands/io/frmfindhmdir.h"
#include "commands/io/frmfrdb.h"
#include "commands/io/frmrdbret.h"
#include "commands/io/frmreadadc.h"
#include "commands/io/frmrtcostat.h"
#include "commands/io/frmsendcmd.h"
#include "commands/io/frmstoreelc.h"
#include "program/MainWindowServices.h"

#include <array>

namespace tarvik {

namespace {

const auto kActions = std::to_array<MenuActionEntry>({
    // Return Data Buffer and raw command.
    {"flushrdb", &openChild<frmfrdb>},
    {"returnrdb", &openChild<frmrdbret>},
    {"sendcommand", &openChild<frmsendcmd>},
    {"readvel", &openChild<frm54s>},
    {"readioport", &openChild<frm47>},
    {"readaxisstat", &openChild<frm49>},
    {"readpos", &openChild<frm53>},
    {"readlimstat", &openChild<frm42>},

    // Trigger, breakpoints and read-backs.
    {"returnlimstat", &openChild<frm42ret>},
    {"returnioport", &openChild<frm47ret>},
    {"beginprestore", &openChild<frm5F>},
    {"endprestore", &openChild<frm60>},
    {"trigbuffdelim", &openChild<frm5D>},
    {"triggerio", &openChild<frm48>},
    {"enableiotrig", &openChild<frm46>},
    {"loadposbrk", &openChild<frm65>},
    {"BreakMod", &openChild<frmbreakmod>},
    {"enablebrk", &openChild<frm66>},
    {"postotrig", &openChild<frmPosToTrig>},
    {"returncsr", &openChild<frmrtcostat>},

    // Outputs, aux I/O, searches, counts, board information.
    {"setiooutput", &openChild<frm45>},
    {"rd24digio", &openChild<Frm71>},
    {"set24digio", &openChild<Frm72>},
    {"setportcdir", &openChild<Frm72c>},
    {"findhome", &openChild<frmfindhmdir>},
    {"returnindex", &openChild<frmFindIndex>},
    {"storeecl", &openChild<frmstoreelc>},
    {"LoadRotCountsmu", &openChild<frmRotaryCount>},
    {"GetBoardName", &openChild<GetBName>},
    {"GetBoardInfo", &openChild<GetBInfo>},
    {"readADC", &openChild<frmreadadc>},
});

} // namespace

std::span<const MenuActionEntry> ioCommandMenuActions() { return kActions; }

} // namespace tarvik
