#pragma once

#include "driver/MotionDriver.h"
#include "driver/sim/BoardKind.h"

#include <cstdint>
#include <span>
#include <string_view>

namespace tarvik::sim {

// The value of `attribute` (driver/BoardInfoAttributes.h) for a board of `kind`. Family, bus
// and the model's axis count come from the board table; class and closed-loop capability from
// the kind, so a code without a group answers as the 4-axis servo board it is modelled as, with
// the axes it is driven with. Family and bus of such a code are unknown
// (ZEVA_infoAttributeError). Encoder boards have no motion board class (ZEVA_motionOnlyError).
DriverStatus boardInfo(const BoardKind& kind, std::int16_t attribute, std::int32_t& value);

// Copies `name` into `buffer` the way get_motion_board_name does: with an empty buffer only the
// length is handed back; otherwise the buffer must hold the whole name within `length`.
DriverStatus copyBoardName(std::string_view name, std::span<char> buffer, std::int32_t& length);

} // namespace tarvik::sim
