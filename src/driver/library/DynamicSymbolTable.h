#pragma once

#include "driver/library/ElfReading.h"
#include "driver/library/LibraryFileCheck.h"

#include <span>
#include <string>

namespace tarvik::library {

// Reads the names the dynamic symbol table exports that no call can go to (UncallableNames) from
// the library file open as `fd`, whose program headers are `segments`, each already found
// to lie within the file. Empty when the table was read (a library without a dynamic section
// defines nothing); otherwise why not ("its dynamic symbol table lies beyond its end"), and
// `names` is then left incomplete.
std::string readUncallableNames(int fd, std::span<const elf::ProgramHeader> segments, UncallableNames& names);

} // namespace tarvik::library
