#pragma once

#include <filesystem>
#include <string>

namespace tarvik::library {

// Looks at a driver library file before the system loader does, which would wait for ever on a
// FIFO and fault on a file cut short: the file must be a regular file holding a complete ELF
// shared object for this machine (its class, byte order and machine those of this program, its
// program headers and the segments they describe within the file). Returns why it is not, as
// "is not a regular file" or "is a damaged or foreign library: ..."; empty when it is.
std::string libraryFileProblem(const std::filesystem::path& path);

} // namespace tarvik::library
