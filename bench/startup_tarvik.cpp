// Start-up benchmark: the real program under Qt, ended at its first idle turn.
// Usage: bench_startup_tarvik [--rest]   (--rest: stays at rest until a signal ends it)

#include "driver/sim/SimulatedDriver.h"
#include "mainwindow/StartUp.h"
#include "program/App.h"
#include "qt/QtProgram.h"
#include "runtime/Runtime.h"

#include <cstring>

int main(int argc, char** argv)
{
    using namespace tarvik;
    const bool rest = argc > 1 && std::strcmp(argv[1], "--rest") == 0;
    QtProgram qt(argc, argv);
    Runtime runtime(qt.clock(), qt.host());
    SimulatedDriver boards(qt.clock());
    App app(runtime, boards);
    // A scheduled action runs on the first pass of the event loop after start-up.
    if (!rest) runtime.schedule(0, [&runtime] { runtime.endProgram(); });
    return qt.run(runtime, [&app] { startProgram(app, {.lockFile = "bench-startup.lock"}); });
}
