#pragma once

#include "kit/ProgramTest.h"

#include "common/BoardPicker.h"
#include "common/CommandDialog.h"
#include "shell/MainWindowServices.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace tarvik::testing {

// The command dialogs' state without a board of their groups. The program starts with an
// encoder board only, which no motion command dialog but Reset Position and In Position lists;
// startWith gives it other boards.
class DialogsWithoutBoardsTest : public ProgramTest {
protected:
    DialogsWithoutBoardsTest()
        : ProgramTest({.boards = std::vector<SimBoardSpec>{{.id = 7, .typeCode = 14, .ioAddress = 0x300, .name = ""}}})
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }

    // A fresh program with these boards (ID and type code) in place of the encoder board.
    void startWith(std::initializer_list<std::pair<std::int16_t, std::int16_t>> idsAndTypes)
    {
        std::vector<SimBoardSpec> boards;
        for (const auto& [id, type] : idsAndTypes) {
            const auto address = static_cast<std::int16_t>(0x300 + 0x10 * id);
            boards.push_back({.id = id, .typeCode = type, .ioAddress = address, .name = ""});
        }
        renewProgram({.boards = std::move(boards)});
        ASSERT_TRUE(start());
        takeCalls();
    }

    // Opens the dialog as its menu item would, and it finds no board: it says so in one message
    // box, its board list, empty axis field and Run are disabled, a click on Run reaches nothing,
    // and opening it read nothing into and sent nothing from the settings records.
    template <class F>
    F& openWithoutBoard()
    {
        const SettingsTables before = app().state().Settings;
        const std::size_t shownBefore = messageBoxes().size();
        F& dialog = app().form<F>();
        OpenChildWindow(dialog);
        EXPECT_EQ(messageBoxes().size(), shownBefore + 1) << dialog.name();
        EXPECT_EQ(messageBoxes().back().text, kNoBoardsMessage);
        EXPECT_EQ(dialog.bidlist.listCount(), 0) << dialog.name();
        EXPECT_FALSE(dialog.bidlist.enabled()) << dialog.name();
        if (auto* axis = dynamic_cast<TextBox*>(dialog.findControl("axistxt"))) {
            EXPECT_EQ(axis->text(), "") << dialog.name();
            EXPECT_FALSE(axis->enabled()) << dialog.name();
        }
        EXPECT_FALSE(dialog.runcmd.enabled()) << dialog.name();
        EXPECT_FALSE(runtime().input().click(dialog.runcmd)) << dialog.name();
        EXPECT_TRUE(app().state().Settings == before) << dialog.name();
        EXPECT_TRUE(takeCalls().empty()) << dialog.name();
        return dialog;
    }
};

} // namespace tarvik::testing
