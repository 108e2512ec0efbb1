#include "runtime/EndSignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <stdexcept>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace tarvik {

namespace {

constexpr std::array kEndSignals{SIGTERM, SIGINT, SIGHUP};

// A signal handler can reach nothing but what is static: the pipe's write end, set while an
// EndSignals lives.
volatile std::sig_atomic_t gWriteFd = -1;
std::array<struct sigaction, kEndSignals.size()> gPrevious{};

extern "C" void onEndSignal(int)
{
    const int saved = errno;
    const char byte = 1;
    // A full pipe already says a signal came; nothing else is safe to do here.
    [[maybe_unused]] const ssize_t written = ::write(gWriteFd, &byte, 1);
    errno = saved;
}

[[noreturn]] void fail(const char* what) { throw std::system_error(errno, std::generic_category(), what); }

} // namespace

EndSignals::EndSignals()
{
    if (gWriteFd != -1) throw std::logic_error("the end signals are caught once in a process");
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0) fail("cannot make the pipe for the end signals");
    readFd_ = ends[0];
    writeFd_ = ends[1];
    gWriteFd = writeFd_;
    struct sigaction action{};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kEndSignals.size(); ++i)
        if (::sigaction(kEndSignals[i], &action, &gPrevious[i]) != 0) {
            const int error = errno;
            for (std::size_t j = 0; j < i; ++j) ::sigaction(kEndSignals[j], &gPrevious[j], nullptr);
            gWriteFd = -1;
            ::close(readFd_);
            ::close(writeFd_);
            errno = error;
            fail("cannot catch the end signals");
        }
}

EndSignals::~EndSignals()
{
    for (std::size_t i = 0; i < kEndSignals.size(); ++i) ::sigaction(kEndSignals[i], &gPrevious[i], nullptr);
    gWriteFd = -1;
    ::close(readFd_);
    ::close(writeFd_);
}

bool EndSignals::arrived()
{
    bool came = false;
    std::array<char, 64> bytes{};
    while (::read(readFd_, bytes.data(), bytes.size()) > 0) came = true;
    return came;
}

} // namespace tarvik
