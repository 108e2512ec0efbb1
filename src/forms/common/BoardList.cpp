#include "forms/common/BoardList.h"

#include "base/NumberText.h"
#include "driver/BoardTypes.h"
#include "forms/runtime/ListControls.h"
#include "program/App.h"

namespace tarvik {

void FillBoardList(App& app, std::int16_t mask, std::int16_t& boardId, BoardRowIds& boardIds, ListControl& list)
{
    boardIds.fill(-1);
    const int firstRow = list.listCount();
    int preselected = -1;
    for (std::int16_t id = 0; id < kBoardIdCount; ++id) {
        const int row = list.listCount();
        // A row without an entry in boardIds could not be resolved to a board.
        if (row >= static_cast<int>(boardIds.size())) break;
        if (!maskAdmits(mask, app.BoardType[static_cast<std::size_t>(id)])) continue;
        list.addItem("ID:" + strSigned(id));
        boardIds[static_cast<std::size_t>(row)] = id;
        if (id == app.CurrentBoard) preselected = row;
    }
    if (list.listCount() == firstRow) {
        app.runtime().msgBox(kNoBoardsMessage, msgbox::OkOnly);
        return;
    }
    if (preselected < 0) preselected = firstRow;
    const std::int16_t selected = boardIds[static_cast<std::size_t>(preselected)];
    list.setListIndex(preselected);
    if (boardId == -1) boardId = selected;
}

void SelectBoardByKey(App& app, int keyCode, const BoardRowIds& boardIds, ListControl& list)
{
    constexpr int kDigitZero = '0';
    constexpr int kDigitSeven = '7';
    if (keyCode >= kDigitZero && keyCode <= kDigitSeven) {
        const int board = keyCode - kDigitZero;
        for (int row = 0; row < static_cast<int>(boardIds.size()) && row < list.listCount(); ++row) {
            if (boardIds[static_cast<std::size_t>(row)] == board) {
                list.setListIndex(row);
                return;
            }
        }
    }
    app.runtime().beep();
}

} // namespace tarvik
