// undefine-dynamic-symbol LIBRARY NAME: marks the symbol NAME of the shared library's dynamic
// symbol table as undefined (section index SHN_UNDEF) and leaves its value as it is. No linker
// writes such a symbol, yet the system loader's lookup hands its value out as an address: this
// builds a stand-in driver library that exports an entry point that way.

#include <cstdio>
#include <cstring>
#include <elf.h>
#include <fstream>
#include <iterator>
#include <link.h>
#include <string_view>
#include <vector>

namespace {

// The item of type T at `offset` of `bytes`; false when the file ends before it.
template <typename T>
bool readItem(const std::vector<char>& bytes, std::size_t offset, T& item)
{
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T)) return false;
    std::memcpy(&item, bytes.data() + offset, sizeof(T));
    return true;
}

// Undefines `name` in `bytes`, a whole library file; false when it has no such dynamic symbol.
bool undefine(std::vector<char>& bytes, std::string_view name)
{
    ElfW(Ehdr) header{};
    if (!readItem(bytes, 0, header)) return false;
    for (std::size_t section = 0; section < header.e_shnum; ++section) {
        ElfW(Shdr) symbols{};
        ElfW(Shdr) strings{};
        if (!readItem(bytes, header.e_shoff + section * sizeof(ElfW(Shdr)), symbols) || symbols.sh_type != SHT_DYNSYM ||
            !readItem(bytes, header.e_shoff + symbols.sh_link * sizeof(ElfW(Shdr)), strings))
            continue;
        for (std::size_t offset = symbols.sh_offset; offset < symbols.sh_offset + symbols.sh_size;
             offset += sizeof(ElfW(Sym))) {
            ElfW(Sym) symbol{};
            if (!readItem(bytes, offset, symbol)) return false;
            const std::size_t nameAt = strings.sh_offset + symbol.st_name;
            if (symbol.st_name >= strings.sh_size || nameAt >= bytes.size() ||
                std::string_view(bytes.data() + nameAt, strnlen(bytes.data() + nameAt, bytes.size() - nameAt)) != name)
                continue;
            symbol.st_shndx = SHN_UNDEF;
            std::memcpy(bytes.data() + offset, &symbol, sizeof symbol);
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: undefine-dynamic-symbol LIBRARY NAME\n");
        return 2;
    }
    std::vector<char> bytes;
    {
        std::ifstream in(argv[1], std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (!undefine(bytes, argv[2])) {
        std::fprintf(stderr, "%s: no dynamic symbol %s\n", argv[1], argv[2]);
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return out ? 0 : 1;
}
