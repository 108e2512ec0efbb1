#pragma once

#include <array>
#include <cstdint>

namespace tarvik {

// The servo test panel's speed display: the measured RPM, smoothed by a band that follows the
// readings only after repeated polls outside it, shown on the gauge as a percentage of the RPM
// the user entered.

// The speed history: 0 low, 1 middle, 2 top of the band; 3 and 4 the two readings of the last poll.
using RpmHistoryTable = std::array<double, 10>;
inline constexpr std::size_t kBandLow = 0;
inline constexpr std::size_t kBandMiddle = 1;
inline constexpr std::size_t kBandTop = 2;
inline constexpr std::size_t kFirstReading = 3;
inline constexpr std::size_t kSecondReading = 4;

// The speed one encoder count per servo sample makes, in RPM: 21994.1 / encoder lines. An axis
// without encoder lines (0 or less, a damaged record) has none: 0.
double RpmResolutionOf(double encoderLines);

// The RPM the gauge shows as 100%: `rpm` less its remainder modulo the resolution (both rounded
// to whole numbers, halves to even), or the resolution when that leaves 0. Without a resolution
// there is no reference (0), and the gauge is not driven.
double GaugeReferenceOf(double rpm, double resolution);

// One poll's band update from the two readings: a band follows the average only on the fourth
// poll in a row above it (moving up to it) or at or below it (moving down one place); a poll
// inside it changes nothing, a poll on the other side restarts the count.
void UpdateSpeedBand(RpmHistoryTable& history, std::int16_t& upCount, std::int16_t& downCount, double resolution);

// The gauge value, 0..100: the band's middle (or, while that is 0, its top when above 0) as a
// share of `reference`. `reference` must be above 0.
std::int32_t GaugePercent(const RpmHistoryTable& history, double reference);

} // namespace tarvik
