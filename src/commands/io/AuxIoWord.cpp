#include "commands/io/AuxIoWord.h"

namespace tarvik {

std::int32_t AuxIoOutputWord(const std::array<bool, 8>& portB, const std::array<bool, 8>& portC)
{
    std::int32_t word = 0;
    for (int line = 1; line <= 8; ++line) {
        const auto i = static_cast<std::size_t>(line - 1);
        if (portB[i]) word |= AuxLineBit(AuxPort::B, line);
        if (portC[i]) word |= AuxLineBit(AuxPort::C, line);
    }
    return word;
}

} // namespace tarvik
