// Tarvik: the program under Qt, on the simulated boards.

#include "app/App.h"
#include "app/HelpFile.h"
#include "app/StartUp.h"
#include "driver/sim/SimulatedDriver.h"
#include "forms/qt/QtProgram.h"
#include "forms/runtime/Runtime.h"

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
