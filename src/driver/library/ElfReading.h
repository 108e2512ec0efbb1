#pragma once

#include <cstddef>
#include <cstdint>
#include <elf.h>

// The ELF structures of this program's word size, and reading them from an opened file.
namespace tarvik::library::elf {

#if UINTPTR_MAX > 0xFFFFFFFFu
using Header = Elf64_Ehdr;
using ProgramHeader = Elf64_Phdr;
using Symbol = Elf64_Sym;
constexpr unsigned char kClass = ELFCLASS64;
inline unsigned symbolType(const Symbol& symbol) { return ELF64_ST_TYPE(symbol.st_info); }
#else
using Header = Elf32_Ehdr;
using ProgramHeader = Elf32_Phdr;
using Symbol = Elf32_Sym;
constexpr unsigned char kClass = ELFCLASS32;
inline unsigned symbolType(const Symbol& symbol) { return ELF32_ST_TYPE(symbol.st_info); }
#endif

// Reads exactly `size` bytes at `offset` of the file open as `fd`; false when it holds fewer.
bool readAt(int fd, void* into, std::size_t size, std::uint64_t offset);

} // namespace tarvik::library::elf
