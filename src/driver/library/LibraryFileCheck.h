#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace tarvik::library {

using SymbolNames = std::set<std::string, std::less<>>;

// The names that a shared library's dynamic symbol table, the one the system loader looks names
// up in, exports in a way no call can go to. A name defined more than once (under several
// versions) is among them when any of its definitions is; the library's other symbol tables,
// which the loader never reads, are not looked at.
struct UncallableNames {
    // Defined as anything but a function: data, thread-local storage, untyped symbols. An
    // indirect function (one the loader resolves when it binds it) is a function.
    SymbolNames nonFunctions;
    // Defined as a function whose address (an indirect function's: its resolver's) lies outside
    // the library's code, the part of its executable loaded segments that the file holds: an
    // absolute address, or one among its data.
    SymbolNames outsideCode;
};

// What looking at a driver library file found.
struct LibraryFileCheck {
    // Why the file is not a sound library for this machine, as "is not a regular file" or "is a
    // damaged or foreign library: ..."; empty when it is.
    std::string problem;
    // The names its dynamic symbol table exports that no call can go to; empty when the file is
    // not a sound library.
    UncallableNames uncallable;
};

// Looks at a driver library file before the system loader does, which would wait for ever on a
// FIFO and fault on a file cut short: the file must be a regular file holding a complete ELF
// shared object for this machine (its class, byte order and machine those of this program, its
// program headers and the segments they describe within the file, its dynamic symbol table
// within the segments).
LibraryFileCheck checkLibraryFile(const std::filesystem::path& path);

} // namespace tarvik::library
