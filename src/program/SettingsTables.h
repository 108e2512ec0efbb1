#pragma once

#include <array>
#include <concepts>
#include <cstdint>
#include <optional>
#include <type_traits>

#include "driver/BoardTypes.h"
#include "program/PerBoard.h"
#include "program/SettingsRecords.h"

namespace tarvik {

template <class Record>
using BoardTable = std::array<Record, kBoardIdCount>;

// The seven settings tables, one record per board ID 0..7, each entry holding its group's
// default record until an option is read into it.
struct SettingsTables {
    BoardTable<ServoSettings> ServoSettingsTable{};
    BoardTable<OpenLoopSettings> OpenLoopSettingsTable{};
    BoardTable<ClosedLoopSettings> ClosedLoopSettingsTable{};
    BoardTable<Servo4Settings> Servo4SettingsTable{};
    BoardTable<OpenLoop4Settings> OpenLoop4SettingsTable{};
    BoardTable<ClosedLoop4Settings> ClosedLoop4SettingsTable{};
    BoardTable<Servo4Settings> EncoderSettingsTable{};

    friend bool operator==(const SettingsTables&, const SettingsTables&) = default;
};

template <class T>
concept SettingsTablesRef = std::same_as<std::remove_const_t<T>, SettingsTables>;

// Calls f with the table of `group` (a BoardTable<Record>, const when `tables` is).
template <SettingsTablesRef Tables, class F>
decltype(auto) visitTable(Tables& tables, BoardGroup group, F&& f)
{
    switch (group) {
    case BoardGroup::Servo3:
        return f(tables.ServoSettingsTable);
    case BoardGroup::OpenLoop3:
        return f(tables.OpenLoopSettingsTable);
    case BoardGroup::ClosedLoop3:
        return f(tables.ClosedLoopSettingsTable);
    case BoardGroup::Servo4:
        return f(tables.Servo4SettingsTable);
    case BoardGroup::OpenLoop4:
        return f(tables.OpenLoop4SettingsTable);
    case BoardGroup::ClosedLoop4:
        return f(tables.ClosedLoop4SettingsTable);
    case BoardGroup::Encoder:
        break;
    }
    return f(tables.EncoderSettingsTable);
}

// Calls f with the settings record of a board: the entry of its board ID in the table of its
// type code's group. False, and f not called, when the type code has no group or the board ID
// lies outside 0..7.
template <SettingsTablesRef Tables, class F>
bool visitRecord(Tables& tables, int typeCode, int boardId, F&& f)
{
    const std::optional<BoardGroup> group = groupOf(typeCode);
    if (!group || !isBoardId(boardId)) {
        return false;
    }
    visitTable(tables, *group, [&](auto& table) { f(table[static_cast<std::size_t>(boardId)]); });
    return true;
}

// Calls f with one axis sub-record (axis counted from 1) of a board's settings record, so that
// a dialog can write one field of one axis:
//     visitAxis(tables, type, board, axis, [&](auto& a) { a.HomeInverted = -1; });
// Fields that only some sub-records have are reached with `if constexpr (requires { a.Field; })`.
// False, and f not called, when the board or the axis does not exist.
template <SettingsTablesRef Tables, class F>
bool visitAxis(Tables& tables, int typeCode, int boardId, int axis, F&& f)
{
    bool found = false;
    visitRecord(tables, typeCode, boardId, [&](auto& record) {
        if (auto* a = record.axis(axis)) {
            f(*a);
            found = true;
        }
    });
    return found;
}

} // namespace tarvik
