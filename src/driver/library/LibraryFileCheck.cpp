#include "driver/library/LibraryFileCheck.h"

#include "driver/library/ElfReading.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace tarvik::library {

namespace {

using namespace elf;

#if __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr unsigned char kByteOrder = ELFDATA2LSB;
#else
constexpr unsigned char kByteOrder = ELFDATA2MSB;
#endif

// The machine this program was built for; EM_NONE where it is not one of these, and the
// machine is then not compared.
constexpr std::uint16_t kMachine =
#if defined(__x86_64__)
    EM_X86_64;
#elif defined(__i386__)
    EM_386;
#elif defined(__aarch64__)
    EM_AARCH64;
#elif defined(__arm__)
    EM_ARM;
#elif defined(__riscv)
    EM_RISCV;
#elif defined(__powerpc64__)
    EM_PPC64;
#else
    EM_NONE;
#endif

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor()
    {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

std::string damaged(const std::string& why) { return "is a damaged or foreign library: " + why; }

// The ELF header and the program headers of an opened regular file of `fileSize` bytes.
std::string elfProblem(int fd, std::uint64_t fileSize)
{
    Header header{};
    if (fileSize < SELFMAG || !readAt(fd, &header, SELFMAG, 0) || std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0)
        return damaged("it is not an ELF file");
    if (!readAt(fd, &header, sizeof header, 0)) return damaged("it is too short for an ELF header");
    if (header.e_ident[EI_CLASS] != kClass) return damaged("it is built for another word size");
    if (header.e_ident[EI_DATA] != kByteOrder) return damaged("it is built for another byte order");
    if (kMachine != EM_NONE && header.e_machine != kMachine) return damaged("it is built for another machine");
    if (header.e_type != ET_DYN) return damaged("it is not a shared library");
    if (header.e_phentsize != sizeof(ProgramHeader) || header.e_phnum == 0)
        return damaged("its program headers are missing or malformed");
    const std::uint64_t tableEnd =
        std::uint64_t{header.e_phoff} + std::uint64_t{header.e_phnum} * sizeof(ProgramHeader);
    if (header.e_phoff == 0 || tableEnd > fileSize) return damaged("its program headers lie beyond its end");
    std::vector<ProgramHeader> segments(header.e_phnum);
    if (!readAt(fd, segments.data(), segments.size() * sizeof(ProgramHeader), header.e_phoff))
        return damaged("its program headers could not be read");
    for (const ProgramHeader& segment : segments) {
        const std::uint64_t end = std::uint64_t{segment.p_offset} + std::uint64_t{segment.p_filesz};
        if (end < segment.p_offset || end > fileSize) return damaged("it ends before the parts it describes");
    }
    return {};
}

} // namespace

std::string libraryFileProblem(const std::filesystem::path& path)
{
    // Opened without blocking, so that a FIFO cannot hold the program, and looked at as opened.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat status {};
    if (file.get() < 0) return std::string("could not be opened: ") + std::strerror(errno);
    if (::fstat(file.get(), &status) != 0) return std::string("could not be looked at: ") + std::strerror(errno);
    if (!S_ISREG(status.st_mode)) return "is not a regular file";
    return elfProblem(file.get(), static_cast<std::uint64_t>(status.st_size));
}

} // namespace tarvik::library
