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

    // What the library exports under a name, itself or through the libraries it depends on: a
    // function to call, or why there is none.
    struct Export {
        enum Kind {
            Function,     // `address` is the function's, in code (CallTarget::Code)
            Missing,      // nothing under that name
            NotAFunction, // data or the like, which a call would jump into (CallTarget::Data)
            OutsideCode,  // an address outside code: a fixed one, or among data (CallTarget::OutsideCode)
            NoAddress,    // a name the loader resolves to no address: an indirect function whose
                          // resolver gave none
        };
        Kind kind = Missing;
        void* address = nullptr;
    };

    bool isOpen() const { return handle_ != nullptr; }
    const std::string& error() const { return error_; }
    // The function the loader resolves `name` to in this library's scope, judged at the address
    // a call would go to (after any indirect function's resolver ran, in whichever loaded object
    // holds it; callTargetOf), or why a call cannot go to it; Missing when the library is not open.
    Export function(const char* name) const;

private:
    void* handle_ = nullptr;
    std::string error_;
};

} // namespace tarvik::library
