#include "mainwindow/TemporaryWorkingDirectory.h"

#include <cerrno>
#include <cstdlib>
#include <string>
#include <system_error>

namespace tarvik {

TemporaryWorkingDirectory::TemporaryWorkingDirectory() : previous_(std::filesystem::current_path())
{
    std::string pattern = (std::filesystem::temp_directory_path() / "tarvik-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::filesystem::filesystem_error("cannot make a working directory", pattern,
                                                std::error_code(errno, std::generic_category()));
    path_ = pattern;
    std::filesystem::current_path(path_);
}

TemporaryWorkingDirectory::~TemporaryWorkingDirectory()
{
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
    std::filesystem::remove_all(path_, ignored);
}

} // namespace tarvik
