#include "driver/library/ElfReading.h"

#include <cerrno>
#include <unistd.h>

namespace tarvik::library::elf {

bool readAt(int fd, void* into, std::size_t size, std::uint64_t offset)
{
    auto* bytes = static_cast<char*>(into);
    while (size > 0) {
        const ssize_t got = ::pread(fd, bytes, size, static_cast<off_t>(offset));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        bytes += got;
        size -= static_cast<std::size_t>(got);
        offset += static_cast<std::uint64_t>(got);
    }
    return true;
}

} // namespace tarvik::library::elf
