#pragma once

#include <array>
#include <cstdint>

namespace tarvik {

// The value of enable_io_trig: bit i-1 set enables the trigger input on I/O bit i. I/O bits 1 to
// 4 count on every board, 5 and 6 only on the 3-axis boards (type codes 0 to 2); every other bit
// is 0, so a board is never sent an input it does not have.
std::int16_t IoTriggerMap(const std::array<bool, 6>& enabled, std::int16_t typeCode);

} // namespace tarvik
