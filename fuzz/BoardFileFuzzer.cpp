// The board file as the simulated driver reads it at start-up: any bytes give either boards the
// driver can hold or one short, printable error, never both.

#include "driver/sim/BoardConfigFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

void require(bool holds)
{
    if (!holds) std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tarvik::sim;
    // The bytes as a regular file, read through its path as the driver reads boards.cfg.
    const int fd = ::memfd_create("boards.cfg", MFD_CLOEXEC);
    require(fd >= 0);
    require(::write(fd, data, size) == static_cast<ssize_t>(size));
    const BoardConfig config = readBoardConfigFile("/proc/self/fd/" + std::to_string(fd));
    ::close(fd);

    if (!config.error.empty()) {
        require(config.boards.empty());
        require(config.error.size() < 400);
        for (const char c : config.error) require(c >= 0x20 && c <= 0x7E);
        return 0;
    }
    std::set<int> ids;
    for (const SimBoardSpec& board : config.boards) {
        require(board.id >= kLowestBoardId && board.id <= kHighestBoardId);
        require(ids.insert(board.id).second);
        require(board.typeCode != -1);
        require(board.name.size() < kBoardConfigMaxLineLength);
    }
    return 0;
}
