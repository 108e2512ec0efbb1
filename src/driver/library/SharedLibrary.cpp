#include "driver/library/SharedLibrary.h"

#include "driver/library/CallTarget.h"
#include "driver/library/LibraryFileCheck.h"

#include <dlfcn.h>

namespace tarvik::library {

// The path is made absolute so that the loader opens that very file and does not search its
// library folders for a bare name.
SharedLibrary::SharedLibrary(const std::filesystem::path& path)
{
    std::error_code ignored;
    const std::filesystem::path file = std::filesystem::absolute(path, ignored);
    if (const std::string problem = libraryFileProblem(file); !problem.empty()) {
        error_ = "it " + problem;
        return;
    }
    handle_ = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* reason = dlerror();
        error_ = reason != nullptr ? reason : "the loader gave no reason";
    }
}

SharedLibrary::~SharedLibrary()
{
    if (handle_ != nullptr) dlclose(handle_);
}

SharedLibrary::Export SharedLibrary::function(const char* name) const
{
    if (handle_ == nullptr) return {Export::Missing};
    dlerror();
    void* address = dlsym(handle_, name);
    // The loader reports a name it does not find; one it finds gets a null address only from an
    // indirect function's resolver or as an absolute symbol of value 0.
    if (address == nullptr) return {dlerror() == nullptr ? Export::NoAddress : Export::Missing};
    const CallTarget target = callTargetOf(address, name);
    if (target == CallTarget::Code) return {Export::Function, address};
    return {target == CallTarget::Data ? Export::NotAFunction : Export::OutsideCode};
}

} // namespace tarvik::library
