#include "mainwindow/InstanceLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

namespace tarvik {

InstanceLock::Result InstanceLock::acquire(const std::filesystem::path& path)
{
    release();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return Result::Unavailable;
    int locked = 0;
    do {
        locked = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (locked != 0 && errno == EINTR);
    if (locked != 0) {
        const bool busy = errno == EWOULDBLOCK;
        ::close(fd);
        return busy ? Result::HeldElsewhere : Result::Unavailable;
    }
    fd_ = fd;
    return Result::Acquired;
}

void InstanceLock::release()
{
    if (fd_ < 0) return;
    ::flock(fd_, LOCK_UN);
    ::close(fd_);
    fd_ = -1;
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
