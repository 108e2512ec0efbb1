#pragma once

#include <cstdint>

namespace tarvik {

// The ranges of the boards' own registers, which every window that enters such a value and the
// simulated boards share: positions, breakpoints and position offsets are 31-bit signed counts;
// a velocity, a servo board's acceleration and a rotary count go into a 24-bit register; a
// stepper board's acceleration into a 23-bit one.
inline constexpr std::int32_t kPositionMin = -1073741824;
inline constexpr std::int32_t kPositionMax = 1073741823;
inline constexpr std::int32_t kRegister24Max = 0xFFFFFF;
inline constexpr std::int32_t kAccelerationMax = 0x4FFFFF;

} // namespace tarvik
