#pragma once

#include "driver/MotionDriver.h"
#include "driver/library/CBinding.h"
#include "driver/library/LibraryEntryPoints.h"
#include "driver/library/SharedLibrary.h"

#include <filesystem>
#include <span>
#include <string>

namespace tarvik::library {

// The boards behind the board maker's driver library: a shared library loaded at run time that
// exports every entry point under its own name as a C function returning the 16-bit status,
// with the parameters of MotionDriver (by-reference outputs and buffers as pointers).
//
// The library is loaded and all its entry points are bound when this is made, each found as the
// loader finds it, in the library or in one it depends on, and judged at the address a call would
// go to. A library that cannot be loaded, lacks any entry point, exports one as anything but a
// function (data, which a call would jump into) or at an address outside code (a fixed address,
// one among data, wherever an indirect function's resolver points), or has one resolve to no
// address, is not used at all (loadError() says why, naming every entry point that cannot be
// bound) and every call then fails with ZEVA_interfaceUnavailableError.
//
// The library is handed buffers of the sizes its entry points are defined with (32 board slots,
// kRdbCapacity packets, the board name's length plus its terminator), never the caller's own,
// and what it hands back is checked before the caller sees it: a packet count outside what was
// asked for fails with ZEVA_returnDataCountError, a board name longer than its buffer, running
// past it, or of a negative or implausible length with ZEVA_bufferLengthError.
class LibraryDriver final : public MotionDriver {
public:
    // A board name longer than this is taken for a fault of the library.
    static constexpr std::int32_t kLongestBoardName = 1024;

    explicit LibraryDriver(std::filesystem::path path);

    const std::filesystem::path& path() const { return path_; }
    // Why the library is not used ("the driver library "PATH" could not be loaded: ..."); empty
    // when it was loaded and bound.
    const std::string& loadError() const { return loadError_; }
    std::string configurationError() const override { return loadError_; }

#define TARVIK_DECLARE_ENTRY_POINT(name, parameters, arguments) DriverStatus name parameters override;
    TARVIK_ENTRY_POINTS(TARVIK_DECLARE_ENTRY_POINT, TARVIK_DECLARE_ENTRY_POINT)
#undef TARVIK_DECLARE_ENTRY_POINT

private:
    // The library's functions, one per entry point.
    struct Functions {
#define TARVIK_FUNCTION_POINTER(name, parameters, arguments) CFunction<&MotionDriver::name> name = nullptr;
        TARVIK_ENTRY_POINTS(TARVIK_FUNCTION_POINTER, TARVIK_FUNCTION_POINTER)
#undef TARVIK_FUNCTION_POINTER
    };

    // Binds every entry point; empty when all are bound, otherwise why not: "does not export the
    // entry points A, B", "exports the entry points C, D, but not as functions", "... E, but not
    // in its code", "... F, but they resolve to no address", those that apply joined by "and".
    std::string bind();
    bool usable() const { return loadError_.empty(); }

    std::filesystem::path path_;
    SharedLibrary library_;
    Functions functions_;
    std::string loadError_;
};

} // namespace tarvik::library

namespace tarvik {
using library::LibraryDriver;
} // namespace tarvik
