#pragma once

#include <array>
#include <cstdint>

namespace tarvik {

// IoPortWord: the 16-bit word of a board's general-purpose I/O port, as read_io_port returns it
// and set_io_output takes it. IoPortBit(k) stands for I/O bit k (k = 1 to 8).
constexpr std::uint16_t IoPortBit(int k) { return static_cast<std::uint16_t>(1u << (k - 1)); }

// The word set_io_output sends for the output choices of I/O bits 1 to 8 (`on[k - 1]` true for
// bit k on) on a board of `typeCode`. Only the bits the dialog shows for that board count (6 on
// the 3-axis boards, 4 on the 2/4-axis steppers, 8 on the others); a hidden bit is sent as 0, so
// no output switches that the user cannot see.
std::int16_t IoPortOutputWord(const std::array<bool, 8>& on, int typeCode);

} // namespace tarvik
