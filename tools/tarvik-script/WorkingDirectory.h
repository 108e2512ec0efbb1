#pragma once

#include <filesystem>

namespace tarvik::script {

// A fresh, empty temporary directory that is the current directory for the life of the object;
// afterwards the previous current directory is restored and the directory removed with all it
// holds. Throws std::filesystem::filesystem_error when it cannot be made.
class WorkingDirectory {
public:
    WorkingDirectory();
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

} // namespace tarvik::script
