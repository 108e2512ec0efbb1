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
    nonFunctions_ = std::move(check.nonFunctions);
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

void* SharedLibrary::function(const char* name) const
{
    if (handle_ == nullptr || exportsAsNonFunction(name)) return nullptr;
    dlerror();
    return dlsym(handle_, name);
}

} // namespace tarvik::library
