// Tarvik: the program under Qt, on the simulated boards.

#include "driver/sim/SimulatedDriver.h"
#include "forms/qt/QtProgram.h"
#include "forms/runtime/Runtime.h"
#include "mainwindow/StartUp.h"
#include "program/App.h"
#include "program/HelpFile.h"

int main(int argc, char** argv)
{
    using namespace tarvik;
    QtProgram qt(argc, argv);
    Runtime runtime(qt.clock(), qt.host());
    SimulatedDriver boards(qt.clock());
    App app(runtime, boards);
    qt.setHelpSource([&app](int topic) { return helpTopicText(app.HelpFilePath, topic); });
    return qt.run(runtime, [&app] { startProgram(app); });
}
