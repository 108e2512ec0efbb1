#include "driver/library/SharedLibrary.h"

#include <dlfcn.h>
#include <utility>

namespace tarvik::library {

// The path is made absolute so that the loader opens that very file and does not search its
// library folders for a bare name.
SharedLibrary::SharedLibrary(const std::filesystem::path& path)
{
    std::error_code ignored;
    const std::filesystem::path file = std::filesystem::absolute(path, ignored);
    LibraryFileCheck check = checkLibraryFile(file);
    if (!check.problem.empty()) {
        error_ = "it " + check.problem;
        return;
    }
    uncallable_ = std::move(check.uncallable);
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
    if (uncallable_.nonFunctions.contains(name)) return {Export::NotAFunction};
    if (uncallable_.outsideCode.contains(name)) return {Export::OutsideCode};
    dlerror();
    void* address = dlsym(handle_, name);
    if (address != nullptr) return {Export::Function, address};
    // The loader reports a name it does not find; one it finds gets a null address only from an
    // indirect function's resolver.
    return {dlerror() == nullptr ? Export::NoAddress : Export::Missing};
}

} // namespace tarvik::library
