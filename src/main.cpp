// Tarvik: the program under Qt, on the simulated boards or on those behind a driver library.

#include "driver/library/LibraryDriver.h"
#include "driver/sim/SimulatedDriver.h"
#include "mainwindow/StartUp.h"
#include "program/App.h"
#include "program/HelpFile.h"
#include "qt/QtProgram.h"
#include "runtime/EndSignals.h"
#include "runtime/Runtime.h"

#include <cstdlib>
#include <iostream>
#include <memory>
#include <string_view>
#include <vector>

int main(int argc, char** argv)
{
    using namespace tarvik;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const CommandLine line = readCommandLine(arguments, std::getenv("TARVIK_DRIVER"));
    if (line.showHelp) {
        std::cout << commandLineHelp();
        return 0;
    }
    if (!line.error.empty()) {
        std::cerr << "tarvik: " << line.error << " (tarvik --help)\n";
        return 2;
    }
    // SIGTERM, SIGINT and SIGHUP end the program as File > Quit does, asking nothing.
    EndSignals endSignals;
    QtProgram qt(argc, argv);
    Runtime runtime(qt.clock(), qt.host());
    runtime.watchEndSignals(&endSignals);
    std::unique_ptr<MotionDriver> boards;
    if (line.driverLibrary.empty())
        boards = std::make_unique<SimulatedDriver>(qt.clock());
    else
        boards = std::make_unique<LibraryDriver>(line.driverLibrary);
    App app(runtime, *boards);
    qt.setHelpSource([&app](int topic) { return helpTopicPage(app.state().HelpFilePath, topic).string(); });
    return qt.run(runtime, [&app] { startProgram(app); });
}
