#pragma once

#include "driver/EntryPoints.h"
#include "driver/MotionDriver.h"
#include "driver/sim/BoardKind.h"

#include <cstddef>
#include <string_view>

namespace tarvik::sim {

// An entry point of MotionDriver by its position in kEntryPoints.
struct EntryPointId {
    std::size_t index;
};

// The entry point of that name; a name MotionDriver lacks does not compile.
consteval EntryPointId entryPoint(std::string_view name)
{
    const std::size_t index = entryPointIndex(name);
    if (index >= kEntryPoints.size()) throw "not an entry point of MotionDriver";
    return {index};
}

// 0 when a board of `kind` carries out `entry`, else the status it refuses the call with. The
// one table of which board class takes which entry point is in BoardAcceptance.cpp.
DriverStatus refusal(EntryPointId entry, const BoardKind& kind);

} // namespace tarvik::sim
