#include "runtime/EndSignals.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <ostream>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace tarvik {

namespace {

constexpr std::array kEndSignals{SIGTERM, SIGINT, SIGHUP};

// A signal handler can reach nothing but what is static, and only lock-free atomics of it.
static_assert(std::atomic<bool>::is_always_lock_free && std::atomic<int>::is_always_lock_free);
std::atomic<int> gWriteFd{-1};
// A signal came that drainArrivals has not taken yet. Raised only after its byte is in the
// pipe, so the flag never stands for a byte the pipe has yet to get.
std::atomic<bool> gArrived{false};
// A signal from outside came: the next one ends the process.
std::atomic<bool> gEnding{false};
// raiseAsFirst is delivering its signal.
std::atomic<bool> gRaisingAsFirst{false};
const char* gProgram = "";
std::array<struct sigaction, kEndSignals.size()> gPrevious{};
std::array<bool, kEndSignals.size()> gIgnored{};

void writeToStderr(const char* text)
{
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, text, std::strlen(text));
}

extern "C" void onEndSignal(int number)
{
    const int saved = errno;
    const bool asFirst = gRaisingAsFirst.load();
    if (!asFirst && gEnding.exchange(true)) {
        // The program did not end on the first one (a driver call that never returns, an end
        // that hangs): this one ends it by its default action, as soon as the handler returns
        // and the signal is no longer blocked.
        writeToStderr(gProgram);
        writeToStderr(": a second end signal: ending at once\n");
        struct sigaction defaults {};
        defaults.sa_handler = SIG_DFL;
        sigemptyset(&defaults.sa_mask);
        ::sigaction(number, &defaults, nullptr);
        ::raise(number);
        errno = saved;
        return;
    }
    const char byte = 1;
    // A full pipe already says a signal came.
    [[maybe_unused]] const ssize_t written = ::write(gWriteFd.load(), &byte, 1);
    gArrived.store(true);
    errno = saved;
}

[[noreturn]] void fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

std::size_t indexOf(int number)
{
    for (std::size_t i = 0; i < kEndSignals.size(); ++i)
        if (kEndSignals[i] == number) return i;
    throw std::invalid_argument("not an end signal: " + std::to_string(number));
}

} // namespace

EndSignals::EndSignals(const char* program)
{
    if (gWriteFd.load() != -1) throw std::logic_error("the end signals are caught once in a process");
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) fail("cannot make the pipe for the end signals");
    readFd_ = ends[0];
    writeFd_ = ends[1];
    gProgram = program;
    gArrived = false;
    gEnding = false;
    gWriteFd = writeFd_;
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    // One end signal's handler runs at a time: a second one waits for the first to be counted.
    sigemptyset(&action.sa_mask);
    for (const int number : kEndSignals) sigaddset(&action.sa_mask, number);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kEndSignals.size(); ++i) {
        const bool read = ::sigaction(kEndSignals[i], nullptr, &gPrevious[i]) == 0;
        gIgnored[i] = read && (gPrevious[i].sa_flags & SA_SIGINFO) == 0 && gPrevious[i].sa_handler == SIG_IGN;
        if (read && (gIgnored[i] || ::sigaction(kEndSignals[i], &action, nullptr) == 0)) continue;
        const int error = errno;
        release(i);
        errno = error;
        fail("cannot catch the end signals");
    }
}

EndSignals::~EndSignals() { release(kEndSignals.size()); }

void EndSignals::release(std::size_t caught)
{
    for (std::size_t i = 0; i < caught; ++i) ::sigaction(kEndSignals[i], &gPrevious[i], nullptr);
    gWriteFd = -1;
    ::close(readFd_);
    ::close(writeFd_);
}

bool EndSignals::drainArrivals()
{
    if (!gArrived.exchange(false)) return false;
    std::array<char, 64> bytes{};
    while (::read(readFd_, bytes.data(), bytes.size()) > 0) {
    }
    return true;
}

void EndSignals::sleepUntilArrival(std::int64_t micros) const
{
    using Steady = std::chrono::steady_clock;
    const Steady::time_point until = Steady::now() + std::chrono::microseconds(micros);
    for (;;) {
        if (gArrived.load()) return;
        const auto left = std::chrono::duration_cast<std::chrono::nanoseconds>(until - Steady::now()).count();
        if (left <= 0) return;
        const timespec timeout{.tv_sec = left / 1'000'000'000, .tv_nsec = left % 1'000'000'000};
        pollfd watched{.fd = readFd_, .events = POLLIN, .revents = 0};
        // Readable only once a signal wrote its byte; any other wake-up (another signal) sleeps on.
        if (::ppoll(&watched, 1, &timeout, nullptr) > 0) return;
    }
}

bool EndSignals::ignored(int number) const { return gIgnored[indexOf(number)]; }

bool EndSignals::raiseAsFirst(int number)
{
    if (ignored(number)) return false;
    // Delivered before raise() returns: the handler runs in this very thread.
    gRaisingAsFirst = true;
    const bool raised = ::raise(number) == 0;
    gRaisingAsFirst = false;
    return raised;
}

std::unique_ptr<EndSignals> catchEndSignals(const char* program, std::ostream& errors)
{
    try {
        return std::make_unique<EndSignals>(program);
    } catch (const std::exception& error) {
        errors << program << ": " << error.what()
               << "; SIGTERM, SIGINT and SIGHUP will end it at once, leaving any motion it watches running\n";
        return nullptr;
    }
}

} // namespace tarvik
