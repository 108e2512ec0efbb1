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
#include <string>
#include <string_view>
#include <vector>

namespace {

// Says what is wrong with the command line, and how to start the program; the exit status.
int refuse(const std::string& problem)
{
    std::cerr << "tarvik: " << problem << "\n" << tarvik::commandLineUsage() << "\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace tarvik;
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const CommandLine line = readCommandLine(arguments, std::getenv("TARVIK_DRIVER"));
    if (line.showHelp) {
        std::cout << commandLineHelp();
        return 0;
    }
    if (!line.error.empty()) return refuse(line.error);
    // SIGTERM, SIGINT and SIGHUP end the program as File > Quit does, asking nothing.
    const std::unique_ptr<EndSignals> endSignals = catchEndSignals("tarvik", std::cerr);
    QtProgram qt(argc, argv);
    // Qt has taken its own arguments out of argv: any left that the program does not know is
    // a mistake.
    const std::vector<std::string_view> left(argv + 1, argv + argc);
    if (const std::vector<std::string> unknown = readCommandLine(left, nullptr).unknown; !unknown.empty())
        return refuse((unknown.front().starts_with('-') ? "unknown option " : "unexpected argument ") +
                      unknown.front());
    Runtime runtime(qt.clock(), qt.host());
    runtime.watchEndSignals(endSignals.get());
    std::unique_ptr<MotionDriver> boards;
    if (line.driverLibrary.empty())
        boards = std::make_unique<SimulatedDriver>(qt.clock());
    else
        boards = std::make_unique<LibraryDriver>(line.driverLibrary);
    App app(runtime, *boards);
    qt.setHelpSource([&app](int topic) { return helpTopicPage(app.state().HelpFilePath, topic).string(); });
    return qt.run(runtime, [&app] { startProgram(app); });
}
