#pragma once

#include "driver/BoardTypes.h"

#include <array>
#include <cstddef>

namespace tarvik {

inline constexpr int kBoardIdCount = 8;

inline bool isBoardId(int boardId)
{
    return boardId >= 0 && boardId < kBoardIdCount;
}

// One value per board ID 0..7, indexed by the ID.
template <class T>
using PerBoard = std::array<T, kBoardIdCount>;

// One value per board-type group, indexed by the group.
template <class T>
struct PerGroup {
    std::array<T, kBoardGroupCount> values{};

    T& operator[](BoardGroup group) { return values[static_cast<std::size_t>(group)]; }
    const T& operator[](BoardGroup group) const { return values[static_cast<std::size_t>(group)]; }
};

// `value` for every board ID.
template <class T>
constexpr PerBoard<T> filledPerBoard(T value)
{
    PerBoard<T> a{};
    a.fill(value);
    return a;
}

// `value` for every board-type group.
template <class T>
constexpr PerGroup<T> filledPerGroup(T value)
{
    PerGroup<T> a{};
    a.values.fill(value);
    return a;
}

} // namespace tarvik
