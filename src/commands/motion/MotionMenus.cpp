#include "commands/motion/MotionMenus.h"

#include "commands/motion/frm4C.h"
#include "commands/motion/frm4D.h"
#include "commands/motion/frm4E.h"
#include "commands/motion/frm4Fs.h"
#include "commands/motion/frm50.h"
#include "commands/motion/frm53ret.h"
#include "commands/motion/frm54rets.h"
#include "commands/motion/frm55.h"
#include "commands/motion/frm56s.h"
#include "commands/motion/frm57.h"
#include "commands/motion/frm57s.h"
#include "commands/motion/frm58.h"
#include "commands/motion/frm59.h"
#include "commands/motion/frm59ret.h"
#include "commands/motion/frm59s.h"
#include "commands/motion/frm5A.h"
#include "commands/motion/frm5As.h"
#include "commands/motion/frm5b.h"
#include "commands/motion/frm5Bs.h"
#include "commands/motion/frm5C.h"
#include "commands/motion/frm61.h"
#include "commands/motion/frm62.h"
#include "commands/motion/frm63.h"
#include "commands/motion/frm63s.h"
#include "commands/motion/frm64s.h"
#include "commands/motion/frm67.h"
#include "commands/motion/frm68.h"
#include "commands/motion/frm69.h"
#include "commands/motion/frm6A.h"
#include "commands/motion/frmAdjustVel.h"
#include "commands/motion/frmaxstat.h"
#include "commands/motion/frminpos.h"
#include "commands/motion/frmkillall.h"
#include "commands/motion/frmldrpm.h"
#include "commands/motion/frmldrpsps.h"
#include "commands/motion/frmretrpm.h"
#include "commands/motion/frmstorespr.h"
#include "commands/motion/mstrslav.h"
#include "program/MainWindowServices.h"

#include <array>

namespace tarvik {

namespace {

const auto kActions = std::to_array<MenuActionEntry>({
    // Trajectory loads and stepper velocity dialogs.
    {"loadtargetpos", &openChild<frm4E>},
    {"loadvel", &openChild<frm4Fs>},
    {"loadrpm", &openChild<frmldrpm>},
    {"loadaccel", &openChild<frm62>},
    {"loadrpsps", &openChild<frmldrpsps>},
    {"loadtimebrk", &openChild<frm67>},
    {"setbasevel1", &openChild<frm5b>},
    {"Veladjmu", &openChild<frmAdjustVel, Opening::ShowOnly>},
    {"loadaccelfact1", &openChild<frm63>},

    // Read-back and status dialogs.
    {"returnpos", &openReadPresentPosition},
    {"returnvel", &openChild<frm54rets>},
    {"retrpm", &openChild<frmretrpm>},
    {"returnaxisstat", &openChild<frmaxstat>},
    {"inpos", &openChild<frminpos>},
    {"returnencoder", &openChild<frm59ret>},
    {"readencoder", &openChild<frm59>},

    // Start, stop, kill, reset, multi-axis start, modes, master/slave and scale factor dialogs.
    {"startmotion", &openChild<frm61>},
    {"multistart", &openChild<frm5C>},
    {"killmotion", &openChild<frm4D>},
    {"killall", &openChild<frmkillall>},
    {"stopmotion", &openChild<frm4C>},
    {"resetpos", &openChild<frm50>},
    {"setposmode", &openChild<frm64s>},
    {"setdirection", &openChild<frm63s>},
    {"setscaleseq1", &openChild<frm6A>},
    {"setscaleseq2", &openChild<frm6A>},
    {"masterSlaveConfigure", &openChild<mstrslav>},
    {"loadposscale1", &openChild<frm69>},
    {"loadposscale2", &openChild<frm69>},

    // Stop mode, gains and following error (kept in the settings record).
    {"setstopmode", &openChild<frm55>},
    {"loadpropgain", &openChild<frm58>},
    {"loadintggain", &openChild<frm59s>},
    {"loadderivgain", &openChild<frm5As>},
    {"loadintglim", &openChild<frm5Bs>},
    {"loadderivper", &openChild<frm57s>},
    {"loadfolerr1", &openChild<frm56s>},
    {"loadfolerr2", &openChild<frm56s>},

    // Reference offset, steps and lines, loop mode (kept in the settings record).
    {"loadposref1", &openChild<frm68>},
    {"loadposref2", &openChild<frm68>},
    {"storestepsperrevmu", &openChild<frmstorespr>},
    {"loadstepslines", &openChild<frm57>},
    {"setloopmode", &openChild<frm5A>},
});

} // namespace

std::span<const MenuActionEntry> motionCommandMenuActions() { return kActions; }

} // namespace tarvik
