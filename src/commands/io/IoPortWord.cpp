#include "commands/io/IoPortWord.h"

#include "driver/BoardTypes.h"

namespace tarvik {

std::int16_t IoPortOutputWord(const std::array<bool, 8>& on, int typeCode)
{
    const int shown = ioBitCountOf(typeCode);
    std::uint16_t word = 0;
    for (int k = 1; k <= shown; ++k) {
        if (on[static_cast<std::size_t>(k - 1)]) word = static_cast<std::uint16_t>(word | IoPortBit(k));
    }
    return static_cast<std::int16_t>(word);
}

} // namespace tarvik
