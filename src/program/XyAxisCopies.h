#pragma once

#include "program/PerBoard.h"

#include <cstdint>

namespace tarvik {

// Axis 1 (X) and axis 2 (Y) values each successful initialisation copies out of the board's
// settings record, per board ID; the XY demo and its homing panels read them.
struct XyAxisCopies {
    PerBoard<std::int16_t> XCountsPerRev{};
    PerBoard<std::int16_t> YCountsPerRev{};
    PerBoard<std::int32_t> XFindRpm{};
    PerBoard<std::int32_t> YFindRpm{};
    PerBoard<std::int16_t> XHomeReverse{};
    PerBoard<std::int16_t> YHomeReverse{};
    PerBoard<std::int16_t> XIndexReverse{};
    PerBoard<std::int16_t> YIndexReverse{};
    PerBoard<std::int16_t> XRefOffset{};
    PerBoard<std::int16_t> YRefOffset{};
    PerBoard<std::int16_t> XClosedLoop{};
    PerBoard<std::int16_t> YClosedLoop{};
};

} // namespace tarvik
