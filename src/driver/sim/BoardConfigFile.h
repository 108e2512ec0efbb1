#pragma once

#include "driver/MotionDriver.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::sim {

// One board of the simulated computer.
struct SimBoardSpec {
    std::int16_t id = 0;        // 0 to 31
    std::int16_t typeCode = 0;  // any 16-bit code but -1; see boardKindOfType for codes without a group
    std::int16_t ioAddress = 0; // the 16-bit I/O address, as the board table shows it in hex
    std::string name;           // optional; boards without one are called "Board <id>"
};

// The board configuration file, looked for in the working directory. One board per line:
//   ID TYPE HEXADDR [name...]
// e.g. "3 11 2A0 Left gantry". Blank lines and lines starting with '#' are skipped.
// The file may describe a configuration the program cannot verify (board ID 0, a type code it
// does not know, two boards on one I/O address): such boards are simulated and reported by
// get_bd_config like any other, so that the program can show what is wrong with them. Type
// code -1 is refused: get_bd_config reports it for an empty slot, so such a board would vanish.
inline constexpr std::string_view kBoardConfigFileName = "boards.cfg";
inline constexpr int kLowestBoardId = 0;
inline constexpr int kHighestBoardId = kBoardConfigEntries - 1;
// A longer file or line is refused without being read further.
inline constexpr std::size_t kBoardConfigMaxBytes = 1024 * 1024;
inline constexpr std::size_t kBoardConfigMaxLineLength = 4096;

struct BoardConfig {
    std::vector<SimBoardSpec> boards;
    // Empty when the configuration is good; else "<file>, line N: <problem>", or "<file>: <problem>"
    // for the file as a whole (not a regular file, unreadable, too large). A word the problem
    // quotes is cut short and its control characters escaped.
    std::string error;
};

// The boards of the file at `path`; when there is no such file, the built-in set. Only a
// regular file is read (a named pipe or a device is refused without waiting on it), line by
// line and never more than kBoardConfigMaxBytes of it.
BoardConfig readBoardConfigFile(const std::filesystem::path& path);
// One board of each board-type group on IDs 1 to 7: 3-axis servo, open-loop and closed-loop
// stepper, then the 4-axis servo, open-loop and closed-loop stepper and the encoder board of
// the second bus.
std::vector<SimBoardSpec> builtInBoards();

} // namespace tarvik::sim
