#pragma once

#include "driver/MotionDriver.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::sim {

// One board of the simulated computer.
struct SimBoardSpec {
    std::int16_t id = 0;        // 0 to 31
    std::int16_t typeCode = 0;  // any 16-bit code; see boardKindOfType for codes without a group
    std::int16_t ioAddress = 0; // the 16-bit I/O address, as the board table shows it in hex
    std::string name;           // optional; boards without one are called "Board <id>"
};

// The board configuration file, looked for in the working directory. One board per line:
//   ID TYPE HEXADDR [name...]
// e.g. "3 11 2A0 Left gantry". Blank lines and lines starting with '#' are skipped.
// The file may describe a configuration the program cannot verify (board ID 0, a type code it
// does not know, two boards on one I/O address): such boards are simulated and reported by
// get_bd_config like any other, so that the program can show what is wrong with them.
inline constexpr std::string_view kBoardConfigFileName = "boards.cfg";
inline constexpr int kLowestBoardId = 0;
inline constexpr int kHighestBoardId = kBoardConfigEntries - 1;

struct BoardConfig {
    std::vector<SimBoardSpec> boards;
    std::string error; // empty when the configuration is good: "<file>, line N: <problem>"
};

// Boards in `text`; `fileName` only names the file in error messages.
BoardConfig parseBoardConfig(std::string_view text, std::string_view fileName);
// The boards of the file at `path`; when there is no such file, the built-in set.
BoardConfig readBoardConfigFile(const std::filesystem::path& path);
// One board of each board-type group on IDs 1 to 7: 3-axis servo, open-loop and closed-loop
// stepper, then the 4-axis servo, open-loop and closed-loop stepper and the encoder board of
// the second bus.
std::vector<SimBoardSpec> builtInBoards();

} // namespace tarvik::sim
