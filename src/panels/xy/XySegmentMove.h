#pragma once

#include "panels/xy/XyTableFields.h"

#include <cstdint>
#include <optional>

namespace tarvik {

class App;

// One straight segment of the XY demo: the vector velocity and acceleration split over X and Y
// by the segment's direction, converted to board units and sent to both axes, which start
// together with one multi_start.

// Cap when value >= cap, else the value rounded (halves to even); no lower bound below the 32-bit
// range.
std::int32_t CapToLong(double value, std::int32_t cap);

// The multi_start value for the X and Y axes: on the 3-axis boards (type codes 0..2) the code of
// the pair (1+2 -> 1, 2+3 -> 2, 1+3 -> 3), on the others a bit per axis. Nothing when the axes
// are the same or not axes of the board.
std::optional<std::int16_t> StartMaskOf(int typeCode, std::int16_t xAxis, std::int16_t yAxis);

// What a segment sends, worked out from the fields (Dx, Dy in inches, never negative; the
// vector velocity in inches/s). It updates the working fields as the move leaves them: VelX..AccY
// (in board units at the end), the four loaded unit values, Slope and Angle (kept on a
// vertical segment). An axis whose acceleration loaded by the previous segment was below 1 is
// stopped first (servo boards only).
struct SegmentLoad {
    bool stopFirstX = false;
    bool stopFirstY = false;
};
SegmentLoad PlanSegment(XyTableFields& f, float dx, float dy, float velocity);

// MoveSegment: plans the segment and sends it to BoardId in this order: absolute position mode
// X then Y, targets, velocities, X's status (XProfileDone), X stopped first when needed,
// X's acceleration, Y stopped first when needed (decided on X's status), Y's acceleration, then
// multi_start. Driver statuses are left to the poll, which sees a failed move in the axis
// status. Without a start mask (see StartMaskOf) nothing is sent and false is returned.
bool MoveSegment(App& app, XyTableFields& f, float dx, float dy, float velocity);

} // namespace tarvik
