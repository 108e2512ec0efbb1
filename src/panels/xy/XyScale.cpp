#include "panels/xy/XyScale.h"

#include "base/NumberText.h"
#include "driver/BoardRanges.h"
#include "panels/xy/XyTableFields.h"

#include <cmath>
#include <limits>

namespace tarvik {

namespace {

// The loop counters of the grid are 16-bit; the scale boxes keep the limits far inside.
constexpr double kGridCounterMin = std::numeric_limits<std::int16_t>::min();
constexpr double kGridCounterMax = std::numeric_limits<std::int16_t>::max();
constexpr float kMaxAspect = 100;

constexpr auto kServoTargetLimit = static_cast<float>(kPositionMax);
constexpr float kServoTargetClamp = 1073741824.0F;
// The largest Single below 2^31, and -2^31: both convert to a 32-bit position.
constexpr float kStepperTargetMax = 2147483520.0F;
constexpr float kStepperTargetMin = -2147483648.0F;

std::vector<std::int32_t> gridLines(double first, float last, float countsPerInch)
{
    std::vector<std::int32_t> lines;
    first = std::max(first, kGridCounterMin);
    const double end = std::min(static_cast<double>(last), kGridCounterMax);
    for (double i = first; i <= end; ++i) lines.push_back(CountsOf(i * static_cast<double>(countsPerInch)));
    return lines;
}

} // namespace

float CountsPerInch(std::int16_t countsPerRev, float pitch, float gear, bool servo)
{
    const float product = static_cast<float>(countsPerRev) * pitch * gear;
    return servo ? static_cast<float>(static_cast<double>(product) * 4.0) : product;
}

ScaleSpans SpansOf(float minX, float maxX, float minY, float maxY, float countsPerInchX, float countsPerInchY)
{
    return {.left = minX * countsPerInchX,
            .right = maxX * countsPerInchX,
            .top = countsPerInchY * maxY,
            .bottom = countsPerInchY * minY};
}

bool LimitsOrdered(float minX, float maxX, float minY, float maxY) { return minX < maxX && maxY > minY; }

bool SpansUsable(const ScaleSpans& spans)
{
    const float width = spans.right - spans.left;
    const float height = spans.top - spans.bottom;
    return std::isfinite(width) && std::isfinite(height) && width != 0 && height != 0;
}

bool AspectTooWide(const ScaleSpans& spans)
{
    const double width = static_cast<double>(spans.left) - spans.right;
    const double height = static_cast<double>(spans.top) - spans.bottom;
    return std::abs(width / height) > kMaxAspect || std::abs(height / width) > kMaxAspect;
}

BoxGeometry BoxGeometryOf(float rangeX, float rangeY)
{
    if (rangeX >= rangeY) {
        const float height = rangeY / rangeX * kBoxExtent;
        return {.top = kBoxExtent - height, .width = kBoxExtent, .height = height};
    }
    return {.top = 6, .width = rangeX / rangeY * kBoxExtent, .height = kBoxExtent};
}

std::vector<std::int32_t> VerticalGridLines(float minX, float maxX, float countsPerInchX)
{
    return gridLines(intFloor(static_cast<double>(minX) - 1) + 1, maxX, countsPerInchX);
}

std::vector<std::int32_t> HorizontalGridLines(float minY, float maxY, float countsPerInchY)
{
    return gridLines(roundHalfEven(minY) + 1, maxY, countsPerInchY);
}

float InchesOf(float counts, float countsPerInch) { return countsPerInch == 0 ? 0.0F : counts / countsPerInch; }

float SnapToGridInches(float inches, float grid)
{
    if (!(grid > 0)) return inches;
    return static_cast<float>(fix(inches / grid)) * grid;
}

float LimitTargetCoordinate(float counts, int typeCode)
{
    if (IsServoType(typeCode)) {
        if (counts > kServoTargetLimit) return kServoTargetClamp;
        if (counts < -kServoTargetLimit) return -kServoTargetClamp;
    } else if (IsStepperType(typeCode)) {
        if (counts > kStepperTargetMax) return kStepperTargetMax;
        if (counts < kStepperTargetMin) return kStepperTargetMin;
    }
    return counts;
}

std::int32_t CountsOf(double counts) { return toInt32Saturated(counts); }

} // namespace tarvik
