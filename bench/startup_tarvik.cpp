// Start-up benchmark: the real program under Qt, ended at its first idle turn.

#include "driver/sim/SimulatedDriver.h"
#include "forms/qt/QtProgram.h"
#include "forms/runtime/Runtime.h"
#include "mainwindow/StartUp.h"
#include "program/App.h"

int main(int argc, char** argv)
{
    using namespace tarvik;
    QtProgram qt(argc, argv);
    Runtime runtime(qt.clock(), qt.host());
    SimulatedDriver boards(qt.clock());
    App app(runtime, boards);
    // A scheduled action runs on the first pass of the event loop after start-up.
    runtime.schedule(0, [&runtime] { runtime.endProgram(); });
    return qt.run(runtime, [&app] { startProgram(app, {.lockFile = "bench-startup.lock"}); });
}
