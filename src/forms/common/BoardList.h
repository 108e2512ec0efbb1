#pragma once

#include "program/SettingsTables.h"

#include <array>
#include <cstdint>

namespace tarvik {

class App;
class ListControl;

// The board ID shown in each row of a dialog's board list, indexed by row 0..7; -1 where the
// list has no row.
using BoardRowIds = std::array<std::int16_t, kBoardIdCount>;

inline constexpr const char* kNoBoardsMessage = "There are no valid boards configured for this command.";

// Fills `list` with one row "ID: n" per configured board whose type group `mask` admits, in ID
// order after any rows it already holds, and records each row's board in `boardIds` (all other
// entries -1). Then selects the row of CurrentBoard, or the first row added when CurrentBoard is
// not listed (the list's Click runs), and sets `boardId` to that board when it is -1. With no row
// it tells the user in a message box and selects nothing. CurrentBoard is never written.
void FillBoardList(App& app, std::int16_t mask, std::int16_t& boardId, BoardRowIds& boardIds, ListControl& list);

// A key pressed in a board list: the digit keys 0..7 (key codes 48..55) select the first row
// that shows that board (Click runs); any other key, or a digit no row shows, beeps. The key
// itself is left to the list.
void SelectBoardByKey(App& app, int keyCode, const BoardRowIds& boardIds, ListControl& list);

} // namespace tarvik
