#pragma once

#include "driver/library/LibraryFileCheck.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik::library {

// A shared library opened at run time; closed again when this goes.
class SharedLibrary {
public:
    // Opens the library file at `path` (a relative path from the working directory) and
    // resolves all its symbols at once, once the file proved a sound library for this machine
    // (checkLibraryFile). When that fails, isOpen() is false and error() says why.
    explicit SharedLibrary(const std::filesystem::path& path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool isOpen() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }
    // The address of the function the library exports as `name`; nullptr when it exports none,
    // or exports the name as something else (exportsAsNonFunction), which a call would jump into.
    void* function(const char* name) const;
    // Whether the library's dynamic symbol table defines `name` as anything but a function.
    bool exportsAsNonFunction(std::string_view name) const { return nonFunctions_.contains(name); }

private:
    void* handle_ = nullptr;
    std::string error_;
    NonFunctionNames nonFunctions_;
};

} // namespace tarvik::library
