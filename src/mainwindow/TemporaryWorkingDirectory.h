#pragma once

#include <filesystem>

namespace tarvik {

// A fresh, empty temporary directory that is the current directory for the life of the object
// (a test's or a script's files land there);
// afterwards the previous current directory is restored and the directory removed with all it
// holds. Throws std::filesystem::filesystem_error when it cannot be made.
class TemporaryWorkingDirectory {
public:
    TemporaryWorkingDirectory();
    ~TemporaryWorkingDirectory();
    TemporaryWorkingDirectory(const TemporaryWorkingDirectory&) = delete;
    TemporaryWorkingDirectory& operator=(const TemporaryWorkingDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

} // namespace tarvik
