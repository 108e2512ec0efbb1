#pragma once

#include "driver/MotionDriver.h"

#include <cstdint>

namespace tarvik::sim {

// Command codes of the boards' own command set that the simulated boards put into the Return
// Data Buffer with their answers.
inline constexpr std::int16_t kCommandReadLimitStatus = 0x42;
inline constexpr std::int16_t kCommandReadIoPort = 0x47;
inline constexpr std::int16_t kCommandReadAxisStatus = 0x49;
inline constexpr std::int16_t kCommandReadPosition = 0x53;
inline constexpr std::int16_t kCommandReadVelocity = 0x54;
inline constexpr std::int16_t kCommandReadEncoder = 0x59;

// Carries out one raw command packet through the entry point it stands for. A packet of word
// count 2 holds one 16-bit data word, of word count 3 or 4 a 32-bit value; commands without
// data take any word count from 2 to 4. The codes &H57, &H59, &H5A, &H5B and &H63 mean servo
// loop and direction commands to servo and encoder boards, and the stepper commands of the same
// codes to stepper boards (`stepperBoard`).
DriverStatus sendRawCommand(MotionDriver& driver, bool stepperBoard, std::int16_t board, std::int16_t axis,
                            std::int16_t command, std::int16_t wordCount, std::int32_t data);

} // namespace tarvik::sim
