#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarvik::sim {

// Servo boards take velocity and acceleration in counts per sample period (and per sample
// period squared), times 65536; the servo loop samples every 0.000341 s.
inline constexpr double kServoSamplePeriod = 0.000341;
inline constexpr double kServoUnitScale = 65536;

constexpr double servoVelocityToCountsPerSecond(double word) { return word / kServoUnitScale / kServoSamplePeriod; }
constexpr double servoAccelerationToCountsPerSecond2(double word)
{
    return word / kServoUnitScale / (kServoSamplePeriod * kServoSamplePeriod);
}

// read_vel of a servo or encoder axis: counts per sample period in 1/256ths, which is the
// velocity word without its lowest byte, limited to 16 bits.
inline std::int16_t servoReadVelocity(double countsPerSecond)
{
    const double word = std::round(countsPerSecond * kServoSamplePeriod * 256);
    return static_cast<std::int16_t>(std::clamp(word, -32768.0, 32767.0));
}

inline std::int32_t saturatedLong(double value)
{
    return static_cast<std::int32_t>(std::clamp(std::round(value), -2147483648.0, 2147483647.0));
}

} // namespace tarvik::sim
