#include "mainwindow/InstanceLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace tarvik {

namespace {

enum class Outcome { Locked, Busy, Failed };

// Opens `path` with `flags` and locks it exclusively without waiting; `fd` holds it when locked.
Outcome lockOpened(const std::filesystem::path& path, int flags, int& fd)
{
    fd = ::open(path.c_str(), flags | O_CLOEXEC, 0600);
    if (fd < 0) return Outcome::Failed;
    int locked = 0;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked == 0) return Outcome::Locked;
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    fd = -1;
    return busy ? Outcome::Busy : Outcome::Failed;
}

} // namespace

InstanceLock::Result InstanceLock::acquire(const std::filesystem::path& path,
                                           const std::filesystem::path& workingDirectory)
{
    release();
    // A folder opened for reading can be locked like a file, and needs no write permission: a
    // read-only working directory is guarded too.
    const Outcome directory = lockOpened(workingDirectory, O_RDONLY | O_DIRECTORY, directoryFd_);
    const Outcome file = directory == Outcome::Busy
                             ? Outcome::Failed
                             : lockOpened(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_NOCTTY, fileFd_);
    if (directory == Outcome::Busy || file == Outcome::Busy) {
        release();
        return Result::HeldElsewhere;
    }
    return directory == Outcome::Locked && file == Outcome::Locked ? Result::Acquired : Result::Unavailable;
}

void InstanceLock::release()
{
    for (int* fd : {&fileFd_, &directoryFd_}) {
        if (*fd < 0) continue;
        ::flock(*fd, LOCK_UN);
        ::close(*fd);
        *fd = -1;
    }
}

std::filesystem::path InstanceLock::defaultPath()
{
    if (const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR"); runtimeDir && *runtimeDir) {
        std::error_code error;
        if (std::filesystem::is_directory(runtimeDir, error)) return std::filesystem::path(runtimeDir) / "tarvik.lock";
    }
    return std::filesystem::temp_directory_path() / ("tarvik-" + std::to_string(::getuid()) + ".lock");
}

} // namespace tarvik
