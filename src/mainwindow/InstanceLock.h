#pragma once

#include <filesystem>

namespace tarvik {

// The single-instance lock: an exclusive advisory lock on a file in the user's runtime
// directory. The operating system drops the lock when the holding process ends, so a lock
// left by a crashed run never blocks the next start.
class InstanceLock {
public:
    enum class Result {
        Acquired,
        HeldElsewhere, // another running program holds it
        Unavailable,   // the lock file cannot be opened (the start goes on unguarded)
    };

    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock() { release(); }

    Result acquire(const std::filesystem::path& path);
    void release();
    bool held() const { return fd_ >= 0; }

    // tarvik.lock in the user's runtime directory ($XDG_RUNTIME_DIR), else in the temporary
    // directory under a name that carries the user ID.
    static std::filesystem::path defaultPath();

private:
    int fd_ = -1;
};

} // namespace tarvik
