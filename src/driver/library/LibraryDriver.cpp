#include "driver/library/LibraryDriver.h"

#include "driver/EntryPoints.h"
#include "driver/StatusText.h"

#include <string_view>
#include <utility>
#include <vector>

namespace tarvik::library {

namespace {

constexpr std::string_view kTableNames[] = {
#define TARVIK_ENTRY_POINT_NAME(name, parameters, arguments) #name,
    TARVIK_ENTRY_POINTS(TARVIK_ENTRY_POINT_NAME, TARVIK_ENTRY_POINT_NAME)
#undef TARVIK_ENTRY_POINT_NAME
};

constexpr bool tableListsEveryEntryPoint()
{
    if (std::size(kTableNames) != kEntryPoints.size()) return false;
    for (std::size_t i = 0; i < kEntryPoints.size(); ++i)
        if (kTableNames[i] != kEntryPoints[i].name) return false;
    return true;
}
static_assert(tableListsEveryEntryPoint(), "the library's table and the entry-point table differ");

template <typename Function>
bool bindFunction(const SharedLibrary& library, const char* name, Function& function)
{
    void* address = library.function(name);
    if (address == nullptr) return false;
    // POSIX guarantees that a function's address from dlsym converts to a function pointer.
    function = reinterpret_cast<Function>(address);
    return true;
}

std::string joined(const std::vector<std::string_view>& names)
{
    std::string text;
    for (std::string_view name : names) {
        if (!text.empty()) text += ", ";
        text += name;
    }
    return text;
}

} // namespace

LibraryDriver::LibraryDriver(std::filesystem::path path) : path_(std::move(path)), library_(path_)
{
    const std::string library = "the driver library \"" + path_.string() + "\"";
    if (!library_.isOpen()) {
        loadError_ = library + " could not be loaded: " + library_.error();
        return;
    }
    if (const std::string unbound = bind(); !unbound.empty()) loadError_ = library + " " + unbound;
}

std::string LibraryDriver::bind()
{
    std::vector<std::string_view> missing;
    std::vector<std::string_view> notFunctions;
#define TARVIK_BIND_ENTRY_POINT(name, parameters, arguments) \
    if (!bindFunction(library_, #name, functions_.name)) \
        (library_.exportsAsNonFunction(#name) ? notFunctions : missing).push_back(#name);
    TARVIK_ENTRY_POINTS(TARVIK_BIND_ENTRY_POINT, TARVIK_BIND_ENTRY_POINT)
#undef TARVIK_BIND_ENTRY_POINT
    std::string unbound;
    if (!missing.empty()) unbound = "does not export the entry points " + joined(missing);
    if (!missing.empty() && !notFunctions.empty()) unbound += " and ";
    if (!notFunctions.empty()) unbound += "exports the entry points " + joined(notFunctions) + ", but not as functions";
    return unbound;
}

// The entry points without buffers, each straight to its function; those with buffers are in
// LibraryBuffers.cpp.
#define TARVIK_ARGUMENTS(...) __VA_ARGS__
#define TARVIK_DEFINE_PLAIN(name, parameters, arguments) \
    DriverStatus LibraryDriver::name parameters \
    { \
        if (!usable()) return ZEVA_interfaceUnavailableError; \
        return callPlain<&MotionDriver::name>(functions_.name, TARVIK_ARGUMENTS arguments); \
    }
#define TARVIK_DEFINED_ELSEWHERE(name, parameters, arguments)
TARVIK_ENTRY_POINTS(TARVIK_DEFINE_PLAIN, TARVIK_DEFINED_ELSEWHERE)
#undef TARVIK_DEFINED_ELSEWHERE
#undef TARVIK_DEFINE_PLAIN
#undef TARVIK_ARGUMENTS

} // namespace tarvik::library
