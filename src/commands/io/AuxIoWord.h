#pragma once

#include <array>
#include <cstdint>

namespace tarvik {

// AuxIoWord: the 32-bit word of a stepper board's aux digital I/O, as read_gpio returns it and
// set_gpio takes it. Three 8-bit ports: A (inputs only) in bits 0 to 7, B (outputs only) in bits
// 8 to 15, C (inputs or outputs together) in bits 16 to 23; line k of a port is the port's bit
// k-1. Bits 24 to 31 tell, as read, that port C is set to inputs; they are 0 in what is sent.
inline constexpr std::int32_t AuxPortA = 0x000000FF;
inline constexpr std::int32_t AuxPortB = 0x0000FF00;
inline constexpr std::int32_t AuxPortC = 0x00FF0000;
inline constexpr std::int32_t AuxPortCIsInput = static_cast<std::int32_t>(0xFF000000u);

// The port direction codes of set_portc_dir.
inline constexpr std::int16_t PortCDirOutput = 0x10;
inline constexpr std::int16_t PortCDirInput = 0x11;

// The ports by their lowest bit.
enum class AuxPort { A = 0, B = 8, C = 16 };

// The bit of line `line` (1 to 8) of `port`.
constexpr std::int32_t AuxLineBit(AuxPort port, int line)
{
    return std::int32_t{1} << (static_cast<int>(port) + line - 1);
}

// The word set_gpio sends for the True choices of lines 1 to 8 of ports B and C.
std::int32_t AuxIoOutputWord(const std::array<bool, 8>& portB, const std::array<bool, 8>& portC);

} // namespace tarvik
