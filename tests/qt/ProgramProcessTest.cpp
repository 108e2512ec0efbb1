// The program as a process, started as a shell starts it: its command line and its end signals.

#include "kit/ScratchDirectory.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace tarvik::testing {
namespace {

using namespace std::chrono_literals;
using Steady = std::chrono::steady_clock;

// Whether `holds` holds within `bound`: for what another process does, which says so only in
// its files and its state.
bool eventually(const std::function<bool()>& holds, std::chrono::milliseconds bound)
{
    for (const auto until = Steady::now() + bound; !holds();) {
        if (Steady::now() > until) return false;
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

// Whether `number` is sent to process `pid` and none of its threads has taken it yet.
bool pending(pid_t pid, int number)
{
    std::istringstream status(fileText("/proc/" + std::to_string(pid) + "/status"));
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("ShdPnd:")) return (std::stoull(line.substr(7), nullptr, 16) >> (number - 1) & 1) != 0;
    return false;
}

// The program, started with the environment of this test and `extra`, the signals `ignored`
// ignored as nohup leaves them, and its standard error going to the file `errors`.
pid_t startProgram(const std::vector<std::string>& arguments, const std::vector<std::string>& extra,
                   std::initializer_list<int> ignored, const std::filesystem::path& errors)
{
    std::vector<char*> argv{const_cast<char*>(TARVIK_PROGRAM)};
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (char** variable = environ; *variable != nullptr; ++variable) envp.push_back(*variable);
    for (const std::string& variable : extra) envp.push_back(const_cast<char*>(variable.c_str()));
    envp.push_back(nullptr);
    const pid_t child = ::fork();
    if (child == 0) {
        for (const int number : ignored) ::signal(number, SIG_IGN);
        const int fd = ::open(errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        if (fd >= 0) ::dup2(fd, STDERR_FILENO);
        ::execve(TARVIK_PROGRAM, argv.data(), envp.data());
        ::_exit(127);
    }
    return child;
}

// How the process ended, once it has within `bound`; nothing when it has not (it is then killed).
std::optional<int> endOf(pid_t pid, std::chrono::milliseconds bound)
{
    int status = 0;
    if (eventually([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, bound)) return status;
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return std::nullopt;
}

// A library call that never returns holds the program's loop: the first signal cannot end it,
// the second ends it at once. Signals ignored at the start (nohup) count for nothing.
TEST(ProgramProcessTest, ASecondEndSignalEndsAProgramHeldInADriverCallAndIgnoredOnesStayIgnored)
{
    TemporaryWorkingDirectory scratch;
    const auto log = scratch.path() / "driver.log";
    const auto errors = scratch.path() / "errors.txt";
    const pid_t program =
        startProgram({"--driver", TARVIK_FAKE_DRIVER},
                     {"TARVIK_FAKE_DRIVER_BLOCK=get_bd_config:1", "TARVIK_FAKE_DRIVER_LOG=" + log.string()},
                     {SIGINT, SIGHUP}, errors);
    ASSERT_GT(program, 0);
    ASSERT_TRUE(eventually([&] { return fileText(log).find("get_bd_config blocks") != std::string::npos; }, 60s));
    for (const int number : {SIGINT, SIGHUP, SIGTERM}) {
        ::kill(program, number);
        ASSERT_TRUE(eventually([&] { return !pending(program, number); }, 10s)) << number;
    }
    const auto sent = Steady::now();
    ::kill(program, SIGTERM);
    const std::optional<int> end = endOf(program, 10s);
    ASSERT_TRUE(end.has_value());
    EXPECT_LT(Steady::now() - sent, 1s);
    EXPECT_TRUE(WIFSIGNALED(*end) && WTERMSIG(*end) == SIGTERM) << *end;
    EXPECT_NE(fileText(errors).find("tarvik: a second end signal: ending at once"), std::string::npos)
        << fileText(errors);
}

TEST(ProgramProcessTest, AnOptionTheProgramDoesNotKnowIsRefusedWithTheUsageLine)
{
    TemporaryWorkingDirectory scratch;
    const auto errors = scratch.path() / "errors.txt";
    const pid_t program = startProgram({"-style", "fusion", "--bogus"}, {}, {}, errors);
    const std::optional<int> end = endOf(program, 60s);
    ASSERT_TRUE(end.has_value());
    EXPECT_TRUE(WIFEXITED(*end) && WEXITSTATUS(*end) == 2) << *end;
    EXPECT_NE(fileText(errors).find("tarvik: unknown option --bogus\nUsage: tarvik [--driver PATH]   (tarvik --help)\n"),
              std::string::npos)
        << fileText(errors);
}

} // namespace
} // namespace tarvik::testing
