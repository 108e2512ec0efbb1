#include "mainwindow/StartUp.h"

#include "mainwindow/MainWindowForm.h"
#include "program/App.h"

namespace tarvik {

namespace {
constexpr std::string_view kDriverOption = "--driver";
} // namespace

CommandLine readCommandLine(std::span<const std::string_view> arguments, const char* driverVariable)
{
    CommandLine line;
    if (driverVariable != nullptr) line.driverLibrary = driverVariable;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            line.showHelp = true;
        } else if (argument == kDriverOption || argument.starts_with("--driver=")) {
            std::string_view path;
            if (argument != kDriverOption)
                path = argument.substr(kDriverOption.size() + 1);
            else if (i + 1 < arguments.size())
                path = arguments[++i];
            if (path.empty()) line.error = "--driver needs the path of a driver library";
            line.driverLibrary = path;
        } else {
            line.unknown.emplace_back(argument);
        }
    }
    return line;
}

std::string_view commandLineUsage() { return "Usage: tarvik [--driver PATH]   (tarvik --help)"; }

std::string_view commandLineHelp()
{
    return R"(Usage: tarvik [--driver PATH]
       tarvik --help

Tarvik, the set-up and test panel for multi-axis motion-control boards.

--driver PATH   drive the boards through the board maker's driver library at PATH, a shared
                library loaded when the program starts; without it, the environment variable
                TARVIK_DRIVER names the library, and without that the program runs on simulated
                boards (those of boards.cfg in the working directory, or a built-in set).
                A library that cannot be loaded, or that does not export every entry point as
                a function, is reported in the error window, naming the path and the reason or
                the entry points missing or not functions, and the program ends.

SIGTERM, SIGINT or SIGHUP ends the program as File > Quit does, killing the motion it watches
and asking nothing; a second one ends it at once. One ignored when it starts stays ignored.
)";
}

bool startProgram(App& app, const StartOptions& options)
{
    Runtime& runtime = app.runtime();
    runtime.instance<MainWindowForm>(app, options);
    return !runtime.endRequested() && runtime.isLoaded<MainWindowForm>();
}

} // namespace tarvik
