#pragma once

#include <filesystem>
#include <string>

namespace tarvik::library {

// A shared library opened at run time; closed again when this goes.
class SharedLibrary {
public:
    // Opens the library file at `path` (a relative path from the working directory) and
    // resolves all its symbols at once, once the file proved a sound library for this machine
    // (libraryFileProblem). When that fails, isOpen() is false and error() says why.
    explicit SharedLibrary(const std::filesystem::path& path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool isOpen() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }
    // The address of the function the library exports as `name`; nullptr when it exports none.
    void* symbol(const char* name) const;

private:
    void* handle_ = nullptr;
    std::string error_;
};

} // namespace tarvik::library
