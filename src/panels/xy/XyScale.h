#pragma once

#include <cstdint>
#include <vector>

namespace tarvik {

// The XY demo's conversions between inches, counts and the drawing box, free of any window so
// that they can be checked on their own.

// Counts per inch of table travel: counts per motor revolution x pitch (revolutions per inch) x
// gear ratio, and x 4 on servo boards (four counts per encoder line). Single precision, as the
// demo keeps it.
float CountsPerInch(std::int16_t countsPerRev, float pitch, float gear, bool servo);

// The drawing box's user scale in counts: left and right edge from the X limits, top and bottom
// edge from the Y limits (Y grows upwards).
struct ScaleSpans {
    float left = 0;
    float right = 0;
    float top = 0;
    float bottom = 0;
};
ScaleSpans SpansOf(float minX, float maxX, float minY, float maxY, float countsPerInchX, float countsPerInchY);

// Each minimum below its maximum.
bool LimitsOrdered(float minX, float maxX, float minY, float maxY);
// True when both spans are finite and not zero: a box can be scaled on them.
bool SpansUsable(const ScaleSpans& spans);
// True when one span is more than 100 times the other (exactly 100 passes). Only for usable
// spans.
bool AspectTooWide(const ScaleSpans& spans);

// The box's place on the window, in twips: the longer range takes the full 5688 twips; a wide
// box sits with its bottom edge at 5688, a tall one with its top at 6.
struct BoxGeometry {
    float top = 0;
    float width = 0;
    float height = 0;
};
inline constexpr float kBoxExtent = 5688;
BoxGeometry BoxGeometryOf(float rangeX, float rangeY);

// Grid line positions in counts, one per whole inch: the vertical lines from the largest whole
// number not above minX up to maxX, the horizontal ones from one above minY rounded (halves to
// even) up to maxY. Positions beyond the 32-bit range stand at its limits.
std::vector<std::int32_t> VerticalGridLines(float minX, float maxX, float countsPerInchX);
std::vector<std::int32_t> HorizontalGridLines(float minY, float maxY, float countsPerInchY);

// A box coordinate (counts) in inches, snapped towards 0 to the grid when `grid` is above 0.
// Zero counts per inch gives 0.
float InchesOf(float counts, float countsPerInch);
float SnapToGridInches(float inches, float grid);

// A target coordinate in counts kept within what the board class can reach: servo boards
// +-1073741824, steppers the 32-bit range (its upper end as the largest Single below 2^31, so
// that the value still converts), others unchanged.
float LimitTargetCoordinate(float counts, int typeCode);
// A counts value as a 32-bit position: halves to even, saturated at the 32-bit limits.
std::int32_t CountsOf(double counts);

} // namespace tarvik
