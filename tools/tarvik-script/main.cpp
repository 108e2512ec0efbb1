// tarvik-script: runs scripted sessions against the headless program.

#include "HelpText.h"
#include "Reporter.h"
#include "ScriptFile.h"
#include "Tokens.h"

#include "runtime/EndSignals.h"

#include <exception>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The folder of this executable: the program's folder as the sessions see it.
std::filesystem::path executableFolder(const char* argv0)
{
    std::error_code error;
    auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0, error);
    return self.parent_path();
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << tarvik::script::helpText();
        return 0;
    }
    tarvik::script::SessionOptions options{.programFolder = executableFolder(argv[0])};
    while (!arguments.empty() && arguments[0].starts_with("--")) {
        long long ms = 0;
        if (arguments[0] == "--test-window") {
            options.testWindow = true;
        } else if (arguments[0] == "--driver" && arguments.size() > 1 && !arguments[1].empty()) {
            // From the directory the runner starts in: each script runs in a directory of its own.
            options.driverLibrary = std::filesystem::absolute(arguments[1]);
            arguments.erase(arguments.begin());
        } else if (arguments[0] == "--time-limit" && arguments.size() > 1 &&
                   tarvik::script::parseInteger(arguments[1], ms) && ms > 0 &&
                   ms <= tarvik::script::kLongestTimeLimitMs) {
            options.timeLimitMs = ms;
            arguments.erase(arguments.begin());
        } else {
            break;
        }
        arguments.erase(arguments.begin());
    }
    if (arguments.empty() || arguments[0].starts_with("--")) {
        std::cerr << "Usage: tarvik-script [--test-window] [--time-limit MS] [--driver PATH] FILE...   (tarvik-script "
                     "--help for the script grammar; MS from 1 to "
                  << tarvik::script::kLongestTimeLimitMs << ")\n";
        return 2;
    }

    // The sessions' programs end on SIGTERM, SIGINT and SIGHUP as the program does; a second
    // signal from outside ends the run at once.
    const std::unique_ptr<tarvik::EndSignals> endSignals = tarvik::catchEndSignals("tarvik-script", std::cerr);
    options.endSignals = endSignals.get();
    tarvik::script::Reporter reporter(std::cout);
    for (std::string_view file : arguments) {
        try {
            tarvik::script::runScriptFile(std::string(file), options, reporter);
        } catch (const std::exception& error) {
            reporter.fail(file, error.what());
        }
    }
    std::cout << reporter.passed() << " passed, " << reporter.failed() << " failed" << std::endl;
    return reporter.failed() == 0 ? 0 : 1;
}
