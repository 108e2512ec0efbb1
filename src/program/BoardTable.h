#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tarvik {

struct ConfiguredBoards;

// The Initialize Board caption of a board ID: "ID", the ID in signed form (" 3"), ": " and the
// model name of the type code ("ID 3: ...").
std::string BoardMenuCaption(int boardId, int typeCode);

// True when the driver's configuration lists at least one board in any entry.
bool anyBoardConfigured(std::span<const std::int16_t> typeCodes);

// Fills BoardType and BoardAddress for board IDs 0..7 from the driver's configuration: ID 0 and
// every code without a board-type group are recorded as no board (-1).
void FillBoardTable(ConfiguredBoards& boards, std::span<const std::int16_t> typeCodes,
                    std::span<const std::int16_t> ioAddresses);

// The configured boards the program cannot verify, one line each with the reason: a type code
// without a board-type group or outside 0..30, a board on ID 0 or above ID 7, and boards that
// share an I/O address.
std::vector<std::string> UnverifiedBoards(std::span<const std::int16_t> typeCodes,
                                          std::span<const std::int16_t> ioAddresses);

} // namespace tarvik
