#pragma once

#include "driver/BoardTypes.h"
#include "program/PerBoard.h"

#include <cstddef>
#include <cstdint>

namespace tarvik {

// The board table, per board ID: start-up fills type and address from the driver's board
// configuration (FillBoardTable); the initialisation sequences set the init state and the option
// used; the settings windows mark changed settings, which the Initialize Board menu and a closing
// wizard offer to save. Everyone reads the board table.
struct ConfiguredBoards {
    PerBoard<std::int16_t> BoardType = filledPerBoard<std::int16_t>(kNoBoardType);
    PerBoard<std::int16_t> BoardAddress{};
    PerBoard<std::int16_t> BoardInitState{};
    PerBoard<std::int16_t> BoardOption = filledPerBoard<std::int16_t>(1);
    PerBoard<std::int16_t> SettingsChanged{};

    // True when `boardId` is 0..7 and a board of a known group is configured there.
    bool isBoard(int boardId) const
    {
        return isBoardId(boardId) && BoardType[static_cast<std::size_t>(boardId)] != kNoBoardType;
    }
    // The type code of the board at `boardId`; kNoBoardType when none is configured there.
    std::int16_t typeOf(int boardId) const
    {
        return isBoard(boardId) ? BoardType[static_cast<std::size_t>(boardId)] : kNoBoardType;
    }
};

} // namespace tarvik
