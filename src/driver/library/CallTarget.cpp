#include "driver/library/CallTarget.h"

#include "driver/library/ElfReading.h"

#include <cstdint>
#include <cstring>
#include <dlfcn.h>
#include <link.h>

namespace tarvik::library {

namespace {

using namespace elf;

// An address looked for among the loaded objects' segments, and what was found there.
struct SegmentSearch {
    std::uintptr_t address = 0;
    bool inCode = false;
};

// Called by dl_iterate_phdr for each loaded object; stops the walk at the loadable segment that
// holds the address. Segments of different objects never overlap, so that one is the only one.
int findSegment(dl_phdr_info* object, std::size_t, void* searchData)
{
    auto& search = *static_cast<SegmentSearch*>(searchData);
    for (std::size_t i = 0; i < object->dlpi_phnum; ++i) {
        const ProgramHeader& segment = object->dlpi_phdr[i];
        const std::uintptr_t start = object->dlpi_addr + segment.p_vaddr;
        if (segment.p_type != PT_LOAD || search.address < start || search.address - start >= segment.p_memsz)
            continue;
        // Past the part the file holds, the loader fills the segment with zeros: no code.
        search.inCode = (segment.p_flags & PF_X) != 0 && search.address - start < segment.p_filesz;
        return 1;
    }
    return 0;
}

bool inLoadedCode(const void* address)
{
    SegmentSearch search{reinterpret_cast<std::uintptr_t>(address)};
    dl_iterate_phdr(findSegment, &search);
    return search.inCode;
}

// dladdr1 gives one symbol of the object holding the address: the one nearest below or at it,
// one of several at the same address. Only one of the very name starting at the very
// address tells what lies there; any other (an alias, a neighbour the address falls into) says
// nothing of this entry point.
bool isNamedDataAt(const void* address, const char* name)
{
    Dl_info object{};
    void* entry = nullptr;
    if (dladdr1(address, &object, &entry, RTLD_DL_SYMENT) == 0 || entry == nullptr || object.dli_saddr != address ||
        object.dli_sname == nullptr || std::strcmp(object.dli_sname, name) != 0)
        return false;
    const unsigned type = symbolType(*static_cast<const Symbol*>(entry));
    return type != STT_FUNC && type != STT_GNU_IFUNC;
}

} // namespace

CallTarget callTargetOf(const void* address, const char* name)
{
    if (isNamedDataAt(address, name)) return CallTarget::Data;
    return inLoadedCode(address) ? CallTarget::Code : CallTarget::OutsideCode;
}

} // namespace tarvik::library
