#pragma once

#include "program/SettingsTables.h"

#include <array>
#include <cstdint>
#include <deque>
#include <filesystem>
#include <string>

namespace tarvik {

// Per board ID 0..7.
template <class T>
using PerBoard = std::array<T, kBoardIdCount>;

// Answer codes of the program's question windows (the message-box codes).
inline constexpr std::int16_t AnswerOk = 1;
inline constexpr std::int16_t AnswerCancel = 2;
inline constexpr std::int16_t AnswerYes = 6;
inline constexpr std::int16_t AnswerNo = 7;
inline constexpr std::int16_t ConfirmContinue = 1;
inline constexpr std::int16_t ConfirmCancel = 2;

// The program-wide data the windows share, named as the windows name it. One instance lives in
// App; a window reads and writes the fields its behaviour names and nothing else.
struct SharedState {
    // Board table, filled at start-up from the driver's board configuration.
    PerBoard<std::int16_t> BoardType = filled<std::int16_t>(-1);
    PerBoard<std::int16_t> BoardAddress{};
    PerBoard<std::int16_t> BoardInitState{};
    PerBoard<std::int16_t> BoardOption = filled<std::int16_t>(1);
    PerBoard<std::int16_t> SettingsChanged{};

    // Selections.
    std::int16_t CurrentBoard = 0;
    std::int16_t CurrentAxis = 1;
    std::int16_t BoardListMask = 0;
    bool RangeCheckOff = false;

    // Wizard boards (-1 none): the board each group's wizard acts on and the one it last showed.
    std::int16_t ServoBoard = -1;
    std::int16_t Servo4Board = -1;
    std::int16_t EncoderBoard = -1;
    std::int16_t OpenLoopBoard = -1;
    std::int16_t OpenLoop4Board = -1;
    std::int16_t ClosedLoopBoard = -1;
    std::int16_t ClosedLoop4Board = -1;
    std::int16_t ServoBoardShown = -1;
    std::int16_t Servo4BoardShown = -1;
    std::int16_t EncoderBoardShown = -1;
    std::int16_t OpenLoopBoardShown = -1;
    std::int16_t OpenLoop4BoardShown = -1;
    std::int16_t ClosedLoopBoardShown = -1;
    std::int16_t ClosedLoop4BoardShown = -1;

    // Option last loaded or used per family of option files.
    std::int16_t ServoOption = 1;
    std::int16_t Servo4Option = 1;
    std::int16_t EncoderOption = 1;
    std::int16_t OpenLoopOption = 1;
    std::int16_t OpenLoop4Option = 1;
    std::int16_t ClosedLoopOption = 1;
    std::int16_t ClosedLoop4Option = 1;
    std::int16_t OptionListIndex = -1;

    // Hand-over words between windows.
    std::int16_t HomingBoard = -1;
    bool IoPanelOpen = false;
    bool LimitPanelOpen = false;
    bool StepOutPanelOpen = false;
    std::int16_t ConfirmBoard = -1;
    std::int16_t ConfirmAnswer = 0;
    std::int16_t SaveAnswer = AnswerCancel;
    std::int16_t QuitRequested = 0;
    std::int16_t ServoTestOpen = 0;
    std::int16_t StepperTestOpen = 0;
    std::int16_t XyDemoOpen = 0;
    std::int16_t XyHomeBoard = 0;
    std::int16_t XyHomeStarted = 0;
    std::int16_t XyIndexBoard = 0;
    std::int16_t XyIndexStarted = 0;
    std::int16_t PacketCount = 1;
    std::int16_t CurrentPacket = 1;

    // Axis 1 (X) and axis 2 (Y) values each successful initialisation copies out of the board's
    // settings record, for the XY demo.
    PerBoard<std::int16_t> XCountsPerRev{};
    PerBoard<std::int16_t> YCountsPerRev{};
    PerBoard<std::int32_t> XFindRpm{};
    PerBoard<std::int32_t> YFindRpm{};
    PerBoard<std::int16_t> XHomeReverse{};
    PerBoard<std::int16_t> YHomeReverse{};
    PerBoard<std::int16_t> XIndexReverse{};
    PerBoard<std::int16_t> YIndexReverse{};
    PerBoard<std::int16_t> XRefOffset{};
    PerBoard<std::int16_t> YRefOffset{};
    PerBoard<std::int16_t> XClosedLoop{};
    PerBoard<std::int16_t> YClosedLoop{};

    // Shell windows: error messages waiting behind the open error window, and whether it is open.
    std::deque<std::string> PendingErrorMessages{};
    bool ErrorWindowOpen = false;

    // The help's contents page, set at start-up; the topics' pages lie beside it.
    std::filesystem::path HelpFilePath{};

    // The seven settings tables, per board ID.
    SettingsTables Settings{};

    // True when `boardId` is 0..7 and a board of a known group is configured there.
    bool isBoard(int boardId) const
    {
        return isBoardId(boardId) && BoardType[static_cast<std::size_t>(boardId)] != -1;
    }

private:
    template <class T>
    static constexpr PerBoard<T> filled(T value)
    {
        PerBoard<T> a{};
        a.fill(value);
        return a;
    }
};

} // namespace tarvik
