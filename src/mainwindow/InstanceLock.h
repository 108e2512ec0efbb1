#pragma once

#include <filesystem>

namespace tarvik {

// The single-instance lock: exclusive advisory locks on a file in the user's runtime directory
// and on the working directory itself, whose files the program writes. The first keeps one
// copy per user; the second keeps out a copy that finds another lock file (another user, or no
// runtime directory and another temporary directory) but would write the same files. The
// operating system drops the locks when the holding process ends, so a lock left by a crashed
// run never blocks the next start.
class InstanceLock {
public:
    enum class Result {
        Acquired,
        HeldElsewhere, // another running program holds one of them; neither is kept
        Unavailable,   // one of them cannot be taken (the start goes on, guarded by what was taken)
    };

    InstanceLock() = default;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock() { release(); }

    // Locks the file at `path` (created when missing, never through a link) and the folder
    // `workingDirectory`.
    Result acquire(const std::filesystem::path& path, const std::filesystem::path& workingDirectory);
    void release();
    bool held() const { return fileFd_ >= 0 || directoryFd_ >= 0; }

    // tarvik.lock in the user's runtime directory ($XDG_RUNTIME_DIR), else in the temporary
    // directory under a name that carries the user ID.
    static std::filesystem::path defaultPath();

private:
    int fileFd_ = -1;
    int directoryFd_ = -1;
};

} // namespace tarvik
