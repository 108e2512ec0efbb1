#pragma once

#include "program/SettingsTables.h"

#include <array>
#include <cstdint>
#include <optional>

namespace tarvik {

class App;
class ListControl;

// The board ID shown in each row of a board list, indexed by row 0..7; -1 where the list has no
// row.
using BoardRowIds = std::array<std::int16_t, kBoardIdCount>;

inline constexpr const char* kNoBoardsMessage = "There are no valid boards configured for this command.";

// A window's board list: its rows "ID: n", the board each row shows, the board groups it lists
// (the mask), the digit keys that pick a board, and the board of the selected row. selected()
// is the one way from the list to a board: it answers only for a selected row that shows a
// configured board, so no path reaches the driver without one. The window keeps the list
// control and its handlers; the picker neither wires nor owns it.
class BoardPicker {
public:
    BoardPicker(App& app, ListControl& list);

    // Adds one row per configured board whose type group `mask` admits, in ID order after any
    // rows the list already holds, and records each row's board (all other entries -1). Then
    // selects the row of CurrentBoard, or the first row added when CurrentBoard is not listed
    // (the list's Click runs), and returns that row's board. With no row added it tells the
    // user in a message box, selects nothing and returns nothing. CurrentBoard is never written.
    std::optional<std::int16_t> fill(std::int16_t mask);
    // One row for `board` alone (the board a wizard acts on), selected; the mask is unchanged.
    void listOnly(std::int16_t board);
    // Empties the list and the row table.
    void clear();
    // Adds one row for `board` after the rows the list holds (a window that chooses its boards
    // by rules of its own); nothing when the row table is full.
    void addRow(std::int16_t board);
    // Removes row `row` and its entry; the rows below move up. Nothing for a row the list does
    // not hold.
    void removeRow(int row);

    std::int16_t mask() const { return mask_; }
    // True when a row shows a board.
    bool listed() const { return rows_[0] != -1; }
    const BoardRowIds& rows() const { return rows_; }
    // The board of the selected row; nothing when no row is selected or its board is not
    // configured.
    std::optional<std::int16_t> selected() const;
    // Selects the first row showing `board` (Click runs); false when no row shows it.
    bool select(std::int16_t board);
    // A key pressed in the list: the digit keys 0..7 (key codes 48..55) select the first row
    // that shows that board; any other key, or a digit no row shows, beeps. The key itself is
    // left to the list.
    void pickByKey(int keyCode);

private:
    App& app_;
    ListControl& list_;
    std::int16_t mask_ = -1;
    BoardRowIds rows_{};
};

} // namespace tarvik
