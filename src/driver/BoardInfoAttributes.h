#pragma once

#include <cstdint>

namespace tarvik {

// The attribute codes get_motion_board_info takes: what the board information reports.
inline constexpr std::int16_t kInfoFamily = 1100;            // board family (BoardFamily)
inline constexpr std::int16_t kInfoBoardType = 1120;         // board type code
inline constexpr std::int16_t kInfoBus = 1130;               // bus (BoardBus)
inline constexpr std::int16_t kInfoClosedLoopCapable = 1150; // 1 when the board can close the loop
inline constexpr std::int16_t kInfoAxisCount = 1510;         // axes the model has
inline constexpr std::int16_t kInfoBoardClass = 2020;        // motion board class (BoardClass)

} // namespace tarvik
