#pragma once

#include "driver/BoardTypes.h"
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

// One value per board-type group, indexed by the group.
template <class T>
struct PerGroup {
    std::array<T, kBoardGroupCount> values{};

    T& operator[](BoardGroup group) { return values[static_cast<std::size_t>(group)]; }
    const T& operator[](BoardGroup group) const { return values[static_cast<std::size_t>(group)]; }
};

// Answer codes of the program's question windows (the message-box codes).
inline constexpr std::int16_t AnswerOk = 1;
inline constexpr std::int16_t AnswerCancel = 2;
inline constexpr std::int16_t AnswerYes = 6;
inline constexpr std::int16_t AnswerNo = 7;
inline constexpr std::int16_t ConfirmContinue = 1;
inline constexpr std::int16_t ConfirmCancel = 2;

// The program-wide data that more than one window reads or writes, named as the windows name it.
// One instance lives in App (App::state()); a window reads and writes the fields its behaviour
// names and nothing else, and keeps what only it uses in its own members.
struct SharedState {
    // Board table: start-up fills type and address from the driver's board configuration; the
    // initialisation sequences set the init state and the option used; the settings windows
    // mark changed settings, which the Initialize Board menu and a closing wizard offer to save.
    // Everyone reads the board table.
    PerBoard<std::int16_t> BoardType = filled<std::int16_t>(-1);
    PerBoard<std::int16_t> BoardAddress{};
    PerBoard<std::int16_t> BoardInitState{};
    PerBoard<std::int16_t> BoardOption = filled<std::int16_t>(1);
    PerBoard<std::int16_t> SettingsChanged{};

    // Selections. CurrentBoard: set by the Initialize Board menu and the wizards, read by the
    // option windows, set-up dialogs and board picker. CurrentAxis: the axis the command dialogs
    // with a shared axis hand on to each other. BoardListMask: the groups a board list shows,
    // set by the window that fills it. RangeCheckOff: set by a window around a value it writes
    // itself, read by the range checks.
    std::int16_t CurrentBoard = 0;
    std::int16_t CurrentAxis = 1;
    std::int16_t BoardListMask = 0;
    bool RangeCheckOff = false;

    // Per group's wizard (-1 none): the board it acts on, the board it last showed and the
    // option last loaded or used. The Initialize Board menu, the wizards and the Load Option
    // window write them; the initialisation sequences read the option, the stepper test panel
    // the stepper wizards' boards.
    PerGroup<std::int16_t> WizardBoard = filledPerGroup<std::int16_t>(-1);
    PerGroup<std::int16_t> WizardBoardShown = filledPerGroup<std::int16_t>(-1);
    PerGroup<std::int16_t> GroupOption = filledPerGroup<std::int16_t>(1);
    // The row picked in the Load Option or Save Option window's list (-1 none).
    std::int16_t OptionListIndex = -1;

    // Hand-over words between windows.
    // A wizard names the board of the find-home or find-index panel it opens.
    std::int16_t HomingBoard = -1;
    // Set while a set-up dialog serves a wizard: the wizard sets it as it opens the dialog (so
    // that the dialog's load knows), the dialog sets or clears it as it is shown for a wizard or
    // the menu and clears it when it closes; a closing wizard closes the dialogs still serving it.
    bool IoPanelOpen = false;
    bool LimitPanelOpen = false;
    bool StepOutPanelOpen = false;
    // The board the confirmation windows ask about, set by the shell's confirm calls, and the
    // answer the windows leave for them.
    std::int16_t ConfirmBoard = -1;
    std::int16_t ConfirmAnswer = 0;
    // The answer of the ask-to-save and segment velocity windows, read by who asked.
    std::int16_t SaveAnswer = AnswerCancel;
    // Set when the user closes the main window or quits; a test panel that holds the close back
    // until its run ends then closes the main window itself.
    bool QuitRequested = false;
    // Set while each panel is open; the main window keeps the prestore menus off meanwhile.
    bool ServoTestOpen = false;
    bool StepperTestOpen = false;
    bool XyDemoOpen = false;
    // The XY demo names the board of its find-home and find-index panels; each panel says
    // whether it started its search.
    std::int16_t XyHomeBoard = 0;
    bool XyHomeStarted = false;
    std::int16_t XyIndexBoard = 0;
    bool XyIndexStarted = false;

    // Axis 1 (X) and axis 2 (Y) values each successful initialisation copies out of the board's
    // settings record, for the XY demo and its homing panels.
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

    // The error window (ShowErrorMessage): messages that calls made while it is open leave
    // waiting behind it, and whether it is open, which the test panels and the XY demo read to
    // hold back reports of their own.
    std::deque<std::string> PendingErrorMessages{};
    bool ErrorWindowOpen = false;

    // The help's contents page, set by the main window at start-up and read by the help viewer;
    // the topics' pages lie beside it.
    std::filesystem::path HelpFilePath{};

    // The seven settings tables, per board ID: read from the option files, edited by the
    // wizards and set-up dialogs, sent by the initialisation sequences.
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
    template <class T>
    static constexpr PerGroup<T> filledPerGroup(T value)
    {
        PerGroup<T> a{};
        a.values.fill(value);
        return a;
    }
};

} // namespace tarvik
