#pragma once

#include <filesystem>
#include <functional>
#include <set>
#include <string>

namespace tarvik::library {

// The names that a shared library's dynamic symbol table, the one the system loader looks names
// up in, defines as anything but a function: data, thread-local storage, untyped symbols. An
// indirect function (one the loader resolves when it binds it) is a function. A name defined
// more than once (under several versions) is among them when any of its definitions is; the
// library's other symbol tables, which the loader never reads, are not looked at.
using NonFunctionNames = std::set<std::string, std::less<>>;

// What looking at a driver library file found.
struct LibraryFileCheck {
    // Why the file is not a sound library for this machine, as "is not a regular file" or "is a
    // damaged or foreign library: ..."; empty when it is.
    std::string problem;
    // The names its dynamic symbol table defines as anything but a function; empty when the file
    // is not a sound library.
    NonFunctionNames nonFunctions;
};

// Looks at a driver library file before the system loader does, which would wait for ever on a
// FIFO and fault on a file cut short: the file must be a regular file holding a complete ELF
// shared object for this machine (its class, byte order and machine those of this program, its
// program headers and the segments they describe within the file, its dynamic symbol table
// within the segments).
LibraryFileCheck checkLibraryFile(const std::filesystem::path& path);

} // namespace tarvik::library
