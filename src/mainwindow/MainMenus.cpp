#include "mainwindow/MainMenus.h"

#include "commands/io/IoMenus.h"
#include "commands/motion/MotionMenus.h"
#include "init/InitMenus.h"
#include "panels/PanelMenus.h"
#include "shell/ShellMenus.h"

#include <array>
#include <vector>

namespace tarvik {

namespace {

const auto kMenus = std::to_array<MenuEntry>({
    {"filemu", "&File", ""},
    {"fileprefmu", "&Preferences...", "filemu"},
    {"filesepmu", "-", "filemu"},
    {"filequitmu", "&Quit", "filemu"},

    {"functionsmu", "F&unctions", ""},

    {"initializationmu", "Initialization", "functionsmu"},
    {"setlimpol", "Set Limit Switch Input Polarity && Enable", "initializationmu"},
    {"returnlimstat", "Read Limit Switch Status", "initializationmu"},
    {"findhome", "Find Home", "initializationmu"},
    {"returnindex", "Find Encoder Index", "initializationmu"},

    {"trajectorymu", "Trajectory Control", "functionsmu"},
    {"loadtargetpos", "Load Target Position", "trajectorymu"},
    {"returnpos", "Read Position", "trajectorymu"},
    {"loadvel", "Load Velocity", "trajectorymu"},
    {"loadrpm", "Load RPM", "trajectorymu"},
    {"returnvel", "Read Present Velocity", "trajectorymu"},
    {"retrpm", "Read RPM", "trajectorymu"},
    {"loadaccel", "Load Acceleration", "trajectorymu"},
    {"loadrpsps", "Load RPSPS", "trajectorymu"},
    {"returnaxisstat", "Read Per Axis H/W Status", "trajectorymu"},
    {"setdirection", "Set Direction", "trajectorymu"},
    {"setposmode", "Set Operation Mode", "trajectorymu"},
    {"resetpos", "Reset Position", "trajectorymu"},
    {"inpos", "In Position", "trajectorymu"},

    {"startstopmu", "Start/Stop", "functionsmu"},
    {"startmotion", "Start Motion", "startstopmu"},
    {"multistart", "Multi-Axis Start", "startstopmu"},
    {"killmotion", "Kill Motion", "startstopmu"},
    {"killall", "Kill All", "startstopmu"},
    {"stopmotion", "Stop Motion", "startstopmu"},
    {"setstopmode", "Set Stop Mode", "startstopmu"},

    {"servomu", "Servo", "functionsmu"},
    {"loadpropgain", "Load PID Proportional Gain", "servomu"},
    {"loadintggain", "Load PID Integral Gain", "servomu"},
    {"loadderivgain", "Load PID Derivative Gain", "servomu"},
    {"loadintglim", "Load PID Integration Limit", "servomu"},
    {"loadderivper", "Load PID Derivative Sample Period", "servomu"},
    {"loadfolerr1", "Load Following Error Count", "servomu"},
    {"loadposscale1", "Load Position Scale Factor", "servomu"},
    {"loadposref1", "Load Position Reference Offset", "servomu"},
    {"setscaleseq1", "Set Scale Factor Sequence", "servomu"},
    {"masterSlaveConfigure", "Master Slave Configure", "servomu"},
    {"loadtimebrk", "Load Anticipation Time Breakpoint", "servomu"},
    {"loadpidallmu", "Load PID All", "servomu"},

    {"steppermu", "Stepper", "functionsmu"},
    {"setstepmodepol1", "Set Step Output Mode and Polarity", "steppermu"},
    {"setbasevel1", "Set Base Velocity", "steppermu"},
    {"Veladjmu", "Incremental Velocity Change", "steppermu"},
    {"loadaccelfact1", "Load Acceleration Factor", "steppermu"},
    {"storestepsperrevmu", "Store Steps Per Rev", "steppermu"},
    {"rd24digio", "Read Aux Digital I/O Input Values", "steppermu"},
    {"set24digio", "Set Aux Digital I/O Values", "steppermu"},
    {"setportcdir", "Set Port C Direction", "steppermu"},

    {"stepclmu", "Stepper Closed Loop", "functionsmu"},
    {"loadstepslines", "Load Steps and Lines/Rev", "stepclmu"},
    {"setloopmode", "Set Loop Mode", "stepclmu"},
    {"loadfolerr2", "Load Following Error Count", "stepclmu"},
    {"returnencoder", "Read Encoder", "stepclmu"},
    {"readencoder", "Read Encoder to Return Data Buffer", "stepclmu"},
    {"loadposscale2", "Load Position Scale Factor", "stepclmu"},
    {"loadposref2", "Load Position Reference Offset", "stepclmu"},
    {"setscaleseq2", "Set Scale Factor Sequence", "stepclmu"},

    {"iomu", "Inputs/Outputs/Breakpoints", "functionsmu"},
    {"setiopol", "Set I/O Port Polarity and Direction", "iomu"},
    {"returnioport", "Read I/O Port", "iomu"},
    {"setiooutput", "Set I/O Port Output", "iomu"},
    {"beginprestore", "Begin Trigger Buffer Prestore", "iomu"},
    {"endprestore", "End Trigger Buffer Prestore", "iomu"},
    {"trigbuffdelim", "Trigger Buffer Delimiter", "iomu"},
    {"triggerio", "Trigger I/O Port #", "iomu"},
    {"enableiotrig", "Enable I/O Port Trigger Inputs", "iomu"},
    {"loadposbrk", "Load Position Breakpoint", "iomu"},
    {"BreakMod", "Load Breakpoint Modulus", "iomu"},
    {"enablebrk", "Enable Breakpoint Function", "iomu"},
    {"postotrig", "Set Breakpoint to Trigger Link", "iomu"},

    {"generalmu", "General", "functionsmu"},
    {"flushrdb", "Flush Return Data Buffer", "generalmu"},
    {"returnrdb", "Read Return Data Buffer", "generalmu"},
    {"sendcommand", "Send Command", "generalmu"},
    {"returncsr", "Read Communication Status Register", "generalmu"},
    {"storeecl", "Store Encoder Line Count", "generalmu"},
    {"LoadRotCountsmu", "Load Rotary Counts", "generalmu"},
    {"GetBoardName", "Get Motion Board Name", "generalmu"},
    {"GetBoardInfo", "Get Motion Board Info", "generalmu"},
    {"readADC", "Read A/D Converter Analog Input Value", "generalmu"},

    {"rdbmu", "Advanced RDB Functions", "functionsmu"},
    {"readvel", "Read Velocity to Return Data Buffer", "rdbmu"},
    {"readioport", "Read I/O Port to Return Data Buffer", "rdbmu"},
    {"readaxisstat", "Read Per Axis H/W Status to Return Data Buffer", "rdbmu"},
    {"readpos", "Read Position to Return Data Buffer", "rdbmu"},
    {"readlimstat", "Read Limit Switch Status to Return Data Buffer", "rdbmu"},

    {"initboardmu", "&Initialize Board", ""},

    {"testmu", "&Test", ""},
    {"testservmu", "Servo Single Axis...", "testmu"},
    {"teststepmu", "Stepper Single Axis...", "testmu"},

    {"demomu", "&Demo", ""},
    {"xytablemu", "XY Table...", "demomu"},

    {"helpmu", "&Help", ""},
    {"helpcontentsmu", "&Contents", "helpmu"},
    {"helpsepmu", "-", "helpmu"},
    {"helpaboutmu", "&About Tarvik...", "helpmu"},
});

} // namespace

std::span<const MenuEntry> mainMenuEntries() { return kMenus; }

std::vector<std::span<const MenuActionEntry>> familyMenuActions()
{
    return {shellMenuActions(), initMenuActions(), motionCommandMenuActions(), ioCommandMenuActions(),
            panelMenuActions()};
}

} // namespace tarvik
