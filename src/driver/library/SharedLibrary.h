#pragma once

#include "driver/library/LibraryFileCheck.h"

#include <filesystem>
#include <string>

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

    // What the library exports under a name: a function to call, or why there is none.
    struct Export {
        enum Kind {
            Function,     // `address` is the function's
            Missing,      // nothing under that name
            NotAFunction, // data or the like, which a call would jump into
            OutsideCode,  // a function whose address lies outside the library's code
            NoAddress,    // a function the loader resolves to no address: an indirect function
                          // whose resolver gave none
        };
        Kind kind = Missing;
        void* address = nullptr;
    };

    bool isOpen() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }
    // The function the library exports as `name`, or why a call cannot go to it (see
    // UncallableNames); Missing when the library is not open.
    Export function(const char* name) const;

private:
    void* handle_ = nullptr;
    std::string error_;
    UncallableNames uncallable_;
};

} // namespace tarvik::library
