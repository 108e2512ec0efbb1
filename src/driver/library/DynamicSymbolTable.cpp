#include "driver/library/DynamicSymbolTable.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvik::library {

namespace {

using namespace elf;

constexpr const char* kBeyondItsEnd = "its dynamic symbol table lies beyond its end";
constexpr const char* kMalformed = "its dynamic section is malformed";

// Where the tables the dynamic section points at lie, as virtual addresses.
struct TableAddresses {
    std::optional<std::uint64_t> symbols;
    std::optional<std::uint64_t> symbolSize;
    std::optional<std::uint64_t> strings;
    std::optional<std::uint64_t> stringsSize;
    std::optional<std::uint64_t> hash;
    std::optional<std::uint64_t> gnuHash;
};

// The file offset of the `size` bytes at virtual address `address`: they must lie in the part
// of a loaded segment that the file holds.
std::optional<std::uint64_t> fileOffsetOf(std::span<const ProgramHeader> segments, std::uint64_t address,
                                          std::uint64_t size)
{
    for (const ProgramHeader& segment : segments) {
        if (segment.p_type != PT_LOAD || address < segment.p_vaddr) continue;
        const std::uint64_t into = address - segment.p_vaddr;
        if (into <= segment.p_filesz && size <= segment.p_filesz - into) return segment.p_offset + into;
    }
    return std::nullopt;
}

// Reads `count` items at virtual address `address`; false when they do not lie in the file.
template <typename T>
bool readItems(int fd, std::span<const ProgramHeader> segments, std::uint64_t address, std::uint64_t count,
               std::vector<T>& items)
{
    if (count > std::numeric_limits<std::uint64_t>::max() / sizeof(T)) return false;
    const std::optional<std::uint64_t> offset = fileOffsetOf(segments, address, count * sizeof(T));
    if (!offset) return false;
    items.resize(count);
    return readAt(fd, items.data(), count * sizeof(T), *offset);
}

std::optional<TableAddresses> tableAddresses(int fd, const ProgramHeader& dynamicSegment)
{
    std::vector<Dynamic> entries(dynamicSegment.p_filesz / sizeof(Dynamic));
    if (!readAt(fd, entries.data(), entries.size() * sizeof(Dynamic), dynamicSegment.p_offset)) return std::nullopt;
    TableAddresses tables;
    for (const Dynamic& entry : entries) {
        const std::uint64_t value = entry.d_un.d_val;
        switch (entry.d_tag) {
        case DT_NULL: return tables;
        case DT_SYMTAB: tables.symbols = value; break;
        case DT_SYMENT: tables.symbolSize = value; break;
        case DT_STRTAB: tables.strings = value; break;
        case DT_STRSZ: tables.stringsSize = value; break;
        case DT_HASH: tables.hash = value; break;
        case DT_GNU_HASH: tables.gnuHash = value; break;
        default: break;
        }
    }
    return std::nullopt;
}

// The symbols the loader can find by name: those its hash table reaches, from `first` to before
// `end`. The loader looks names up in the GNU hash table when there is one.
struct HashedSymbols {
    std::uint64_t first = 0;
    std::uint64_t end = 0;
};

std::optional<HashedSymbols> hashedSymbols(int fd, std::span<const ProgramHeader> segments, const TableAddresses& tables)
{
    std::vector<std::uint32_t> words;
    if (!tables.gnuHash) {
        // The number of buckets, then that of chain entries: one per symbol of the table.
        if (!readItems(fd, segments, *tables.hash, 2, words)) return std::nullopt;
        return HashedSymbols{0, words[1]};
    }
    // The number of buckets, the first hashed symbol, the Bloom filter's size in words and its
    // shift; then the filter, the buckets (each its chain's first symbol) and the chains, one
    // entry per hashed symbol, each chain's last with bit 0 set. The last chain ends the table.
    if (!readItems(fd, segments, *tables.gnuHash, 4, words)) return std::nullopt;
    const std::uint64_t bucketCount = words[0];
    const std::uint64_t first = words[1];
    const std::uint64_t buckets = *tables.gnuHash + 4 * sizeof(std::uint32_t) + words[2] * sizeof(Address);
    if (!readItems(fd, segments, buckets, bucketCount, words)) return std::nullopt;
    const std::uint64_t lastChain = words.empty() ? 0 : *std::max_element(words.begin(), words.end());
    if (lastChain < first) return HashedSymbols{first, first};
    const std::uint64_t chains = buckets + bucketCount * sizeof(std::uint32_t);
    for (std::uint64_t symbol = lastChain;; ++symbol) {
        if (!readItems(fd, segments, chains + (symbol - first) * sizeof(std::uint32_t), 1, words)) return std::nullopt;
        if ((words[0] & 1U) != 0) return HashedSymbols{first, symbol + 1};
    }
}

// A definition other programs can bind to: defined here, global or weak, not hidden.
bool exported(const Symbol& symbol)
{
    const unsigned binding = symbolBinding(symbol);
    const unsigned visibility = symbolVisibility(symbol);
    return symbol.st_shndx != SHN_UNDEF &&
           (binding == STB_GLOBAL || binding == STB_WEAK || binding == STB_GNU_UNIQUE) &&
           visibility != STV_HIDDEN && visibility != STV_INTERNAL;
}

bool isFunction(const Symbol& symbol)
{
    const unsigned type = symbolType(symbol);
    return type == STT_FUNC || type == STT_GNU_IFUNC;
}

// Whether a function's address lies in the library's code: in the part of an executable loaded
// segment that the file holds (the rest is filled with zeros). An absolute symbol is a fixed
// address that the loader does not move with the library, so it lies in none of them.
bool inCode(std::span<const ProgramHeader> segments, const Symbol& symbol)
{
    if (symbol.st_shndx == SHN_ABS) return false;
    return std::any_of(segments.begin(), segments.end(), [&](const ProgramHeader& segment) {
        return segment.p_type == PT_LOAD && (segment.p_flags & PF_X) != 0 && symbol.st_value >= segment.p_vaddr &&
               symbol.st_value - segment.p_vaddr < segment.p_filesz;
    });
}

// The group an exported symbol belongs to when no call can go to it; nullptr for a callable one.
SymbolNames* uncallableGroup(std::span<const ProgramHeader> segments, const Symbol& symbol, UncallableNames& names)
{
    if (!isFunction(symbol)) return &names.nonFunctions;
    if (!inCode(segments, symbol)) return &names.outsideCode;
    return nullptr;
}

} // namespace

std::string readUncallableNames(int fd, std::span<const ProgramHeader> segments, UncallableNames& names)
{
    const auto dynamicSegment =
        std::find_if(segments.begin(), segments.end(), [](const ProgramHeader& s) { return s.p_type == PT_DYNAMIC; });
    if (dynamicSegment == segments.end()) return {};
    const std::optional<TableAddresses> tables = tableAddresses(fd, *dynamicSegment);
    if (!tables) return kMalformed;
    // Without a hash table the loader finds no name in the library.
    if (!tables->hash && !tables->gnuHash) return {};
    if (!tables->symbols || !tables->strings || !tables->stringsSize ||
        (tables->symbolSize && *tables->symbolSize != sizeof(Symbol)))
        return kMalformed;

    const std::optional<HashedSymbols> hashed = hashedSymbols(fd, segments, *tables);
    std::vector<Symbol> symbols;
    std::vector<char> strings;
    if (!hashed ||
        !readItems(fd, segments, *tables->symbols + hashed->first * sizeof(Symbol), hashed->end - hashed->first,
                   symbols) ||
        !readItems(fd, segments, *tables->strings, *tables->stringsSize, strings))
        return kBeyondItsEnd;
    for (const Symbol& symbol : symbols) {
        SymbolNames* group = exported(symbol) ? uncallableGroup(segments, symbol, names) : nullptr;
        if (group == nullptr) continue;
        if (symbol.st_name >= strings.size()) return kMalformed;
        const char* name = strings.data() + symbol.st_name;
        const std::size_t room = strings.size() - symbol.st_name;
        const std::size_t length = strnlen(name, room);
        if (length == room) return kMalformed;
        group->emplace(name, length);
    }
    return {};
}

} // namespace tarvik::library
