#include "panels/ServoSpeedBand.h"

#include "base/NumberText.h"

#include <algorithm>
#include <cmath>

namespace tarvik {

namespace {

constexpr double kRpmPerLine = 21994.1;
constexpr int kPollsToFollow = 3; // the band moves on the poll after this many outside it
constexpr double kFullScale = 100;

} // namespace

double RpmResolutionOf(double encoderLines)
{
    return encoderLines > 0 ? kRpmPerLine / encoderLines : 0.0;
}

double GaugeReferenceOf(double rpm, double resolution)
{
    if (!(resolution > 0)) return 0;
    const double step = roundHalfEven(resolution);
    // A resolution below half an RPM leaves no whole step: nothing to take off.
    const double remainder = step > 0 ? std::fmod(roundHalfEven(rpm), step) : 0.0;
    const double reference = rpm - remainder;
    return reference == 0 ? resolution : reference;
}

void UpdateSpeedBand(RpmHistoryTable& history, std::int16_t& upCount, std::int16_t& downCount, double resolution)
{
    const double average = std::abs(history[kFirstReading] + history[kSecondReading]) / 2.0;
    if (average > history[kBandTop]) {
        if (upCount == kPollsToFollow) {
            upCount = 0;
            downCount = 0;
            history[kBandTop] = average;
            history[kBandMiddle] = history[kBandTop] - resolution;
            history[kBandLow] = history[kBandMiddle] - resolution;
        } else {
            downCount = 0;
            ++upCount;
        }
    } else if (average <= history[kBandLow]) {
        if (downCount == kPollsToFollow) {
            upCount = 0;
            downCount = 0;
            history[kBandTop] = history[kBandMiddle];
            history[kBandMiddle] = history[kBandLow];
            history[kBandLow] = average;
        } else {
            upCount = 0;
            ++downCount;
        }
    }
}

std::int32_t GaugePercent(const RpmHistoryTable& history, double reference)
{
    double shown = 0;
    if (history[kBandMiddle] != 0)
        shown = history[kBandMiddle];
    else if (history[kBandTop] > 0)
        shown = history[kBandTop];
    else
        return 0;
    const double percent = std::floor(std::abs(shown / reference) * kFullScale + 0.5);
    return static_cast<std::int32_t>(std::min(percent, kFullScale));
}

} // namespace tarvik
