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

using Export = SharedLibrary::Export;

template <typename Function>
Export::Kind bindFunction(const SharedLibrary& library, const char* name, Function& function)
{
    const Export found = library.function(name);
    // POSIX guarantees that a function's address from dlsym converts to a function pointer.
    if (found.kind == Export::Function) function = reinterpret_cast<Function>(found.address);
    return found.kind;
}

// How the entry points of each kind that cannot be bound are reported, in this order.
struct Refusal {
    Export::Kind kind;
    std::string_view before;
    std::string_view after;
};
constexpr Refusal kRefusals[] = {
    {Export::Missing, "does not export the entry points ", ""},
    {Export::NotAFunction, "exports the entry points ", ", but not as functions"},
    {Export::OutsideCode, "exports the entry points ", ", but not in its code"},
    {Export::NoAddress, "exports the entry points ", ", but they resolve to no address"},
};

struct Unbound {
    Export::Kind kind;
    std::string_view name;
};

// "does not export the entry points A, B and exports the entry points C, but not as functions".
std::string refusalText(const std::vector<Unbound>& unbound)
{
    std::string text;
    for (const Refusal& refusal : kRefusals) {
        std::string names;
        for (const Unbound& entry : unbound) {
            if (entry.kind != refusal.kind) continue;
            if (!names.empty()) names += ", ";
            names += entry.name;
        }
        if (names.empty()) continue;
        if (!text.empty()) text += " and ";
        text.append(refusal.before).append(names).append(refusal.after);
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
    std::vector<Unbound> unbound;
#define TARVIK_BIND_ENTRY_POINT(name, parameters, arguments) \
    if (const Export::Kind kind = bindFunction(library_, #name, functions_.name); kind != Export::Function) \
        unbound.push_back({kind, #name});
    TARVIK_ENTRY_POINTS(TARVIK_BIND_ENTRY_POINT, TARVIK_BIND_ENTRY_POINT)
#undef TARVIK_BIND_ENTRY_POINT
    return refusalText(unbound);
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
