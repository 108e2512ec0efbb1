#pragma once

#include <cstddef>
#include <cstdint>
#include <elf.h>

// The ELF structures of this program's word size, and reading them from an opened file.
namespace tarvik::library::elf {

#if UINTPTR_MAX > 0xFFFFFFFFu
using Header = Elf64_Ehdr;
using ProgramHeader = Elf64_Phdr;
using Dynamic = Elf64_Dyn;
using Symbol = Elf64_Sym;
using Address = Elf64_Addr;
constexpr unsigned char kClass = ELFCLASS64;
inline unsigned symbolType(const Symbol& symbol) { return ELF64_ST_TYPE(symbol.st_info); }
inline unsigned symbolBinding(const Symbol& symbol) { return ELF64_ST_BIND(symbol.st_info); }
inline unsigned symbolVisibility(const Symbol& symbol) { return ELF64_ST_VISIBILITY(symbol.st_other); }
#else
using Header = Elf32_Ehdr;
using ProgramHeader = Elf32_Phdr;
using Dynamic = Elf32_Dyn;
using Symbol = Elf32_Sym;
using Address = Elf32_Addr;
constexpr unsigned char kClass = ELFCLASS32;
inline unsigned symbolType(const Symbol& symbol) { return ELF32_ST_TYPE(symbol.st_info); }
inline unsigned symbolBinding(const Symbol& symbol) { return ELF32_ST_BIND(symbol.st_info); }
inline unsigned symbolVisibility(const Symbol& symbol) { return ELF32_ST_VISIBILITY(symbol.st_other); }
#endif

// Reads exactly `size` bytes at `offset` of the file open as `fd`; false when it holds fewer.
bool readAt(int fd, void* into, std::size_t size, std::uint64_t offset);

} // namespace tarvik::library::elf
