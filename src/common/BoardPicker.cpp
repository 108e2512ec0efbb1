#include "common/BoardPicker.h"

#include "base/NumberText.h"
#include "driver/BoardTypes.h"
#include "program/App.h"
#include "runtime/ListControls.h"

#include <algorithm>

namespace tarvik {

namespace {

std::string rowText(std::int16_t board) { return "ID:" + strSigned(board); }

} // namespace

BoardPicker::BoardPicker(App& app, ListControl& list) : app_(app), list_(list) { rows_.fill(-1); }

std::optional<std::int16_t> BoardPicker::fill(std::int16_t mask)
{
    mask_ = mask;
    rows_.fill(-1);
    const int firstRow = list_.listCount();
    int preselected = -1;
    for (std::int16_t id = 0; id < kBoardIdCount; ++id) {
        const int row = list_.listCount();
        // A row without an entry in the row table could not be resolved to a board.
        if (row >= static_cast<int>(rows_.size())) break;
        if (!maskAdmits(mask, app_.state().boards.BoardType[static_cast<std::size_t>(id)])) continue;
        list_.addItem(rowText(id));
        rows_[static_cast<std::size_t>(row)] = id;
        if (id == app_.state().selection.CurrentBoard) preselected = row;
    }
    if (list_.listCount() == firstRow) {
        app_.runtime().msgBox(kNoBoardsMessage, msgbox::OkOnly);
        return std::nullopt;
    }
    if (preselected < 0) preselected = firstRow;
    const std::int16_t board = rows_[static_cast<std::size_t>(preselected)];
    list_.setListIndex(preselected);
    return board;
}

void BoardPicker::listOnly(std::int16_t board)
{
    clear();
    rows_[0] = board;
    list_.addItem(rowText(board));
    list_.setListIndex(0);
}

void BoardPicker::clear()
{
    rows_.fill(-1);
    list_.clear();
}

void BoardPicker::addRow(std::int16_t board)
{
    const int row = list_.listCount();
    if (row >= static_cast<int>(rows_.size())) return;
    list_.addItem(rowText(board));
    rows_[static_cast<std::size_t>(row)] = board;
}

void BoardPicker::removeRow(int row)
{
    if (row < 0 || row >= list_.listCount() || row >= static_cast<int>(rows_.size())) return;
    list_.removeItem(row);
    std::shift_left(rows_.begin() + row, rows_.end(), 1);
    rows_.back() = -1;
}

std::optional<std::int16_t> BoardPicker::selected() const
{
    const int row = list_.listIndex();
    if (row < 0 || row >= static_cast<int>(rows_.size())) return std::nullopt;
    const std::int16_t board = rows_[static_cast<std::size_t>(row)];
    if (!app_.state().boards.isBoard(board)) return std::nullopt;
    return board;
}

bool BoardPicker::select(std::int16_t board)
{
    for (int row = 0; row < static_cast<int>(rows_.size()) && row < list_.listCount(); ++row) {
        if (rows_[static_cast<std::size_t>(row)] == board) {
            list_.setListIndex(row);
            return true;
        }
    }
    return false;
}

void BoardPicker::pickByKey(int keyCode)
{
    constexpr int kDigitZero = '0';
    constexpr int kDigitSeven = '7';
    if (keyCode >= kDigitZero && keyCode <= kDigitSeven && select(static_cast<std::int16_t>(keyCode - kDigitZero)))
        return;
    app_.runtime().beep();
}

} // namespace tarvik
