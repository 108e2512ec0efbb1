#pragma once

#include <cstdint>
#include <limits>

namespace tarvik {

// The ranges of the boards' own registers, which every window that enters such a value and the
// simulated boards share: positions, breakpoints and position offsets are 31-bit signed counts;
// a velocity, a servo board's acceleration and a rotary count go into a 24-bit register; a
// stepper board's acceleration into a 23-bit one.
//
// Two windows take a target position over the whole signed 32-bit range instead: Load Target
// Position and the stepper test panel (kPosition32Min, kPosition32Max). The servo test panel,
// In Position, the reference offset and the position breakpoints keep to the 31-bit range
// (kPositionMin, kPositionMax).
inline constexpr std::int32_t kPositionMin = -1073741824;
inline constexpr std::int32_t kPositionMax = 1073741823;
inline constexpr std::int32_t kPosition32Min = std::numeric_limits<std::int32_t>::min();
inline constexpr std::int32_t kPosition32Max = std::numeric_limits<std::int32_t>::max();
inline constexpr std::int32_t kRegister24Max = 0xFFFFFF;
inline constexpr std::int32_t kAccelerationMax = 0x4FFFFF;

} // namespace tarvik
