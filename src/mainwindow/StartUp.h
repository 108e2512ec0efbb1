#pragma once

#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

class App;

struct StartOptions {
    // The single-instance lock file; empty: tarvik.lock in the user's runtime directory.
    std::filesystem::path lockFile{};
};

// What the command line asks of the program.
struct CommandLine {
    // The driver library to drive the boards through; empty: the simulated boards.
    std::filesystem::path driverLibrary{};
    bool showHelp = false;
    // What could not be understood; empty when everything was.
    std::string error{};
    // The arguments the program does not know, in order: the window system's own ones until it
    // has taken them, and after that the ones to refuse.
    std::vector<std::string> unknown{};
};

// Reads `--driver PATH` (or `--driver=PATH`) and `--help` from the program's arguments and leaves
// every other argument to the window system. Without --driver, the library the environment
// variable TARVIK_DRIVER names (`driverVariable`, null when it is not set) is used.
CommandLine readCommandLine(std::span<const std::string_view> arguments, const char* driverVariable);

// The line that says how to start the program, for a command line it refuses.
std::string_view commandLineUsage();
// The text `tarvik --help` prints.
std::string_view commandLineHelp();

// Starts the program: loads the main window `MainWindowForm`, whose Form_Load is the start-up
// (single instance, board table, menus, bad-configuration check, preference file). Returns
// false when the program ended during start-up (a second instance, no boards configured, or
// the user quit from an error window); the runtime has then ended.
bool startProgram(App& app, const StartOptions& options = {});

} // namespace tarvik
