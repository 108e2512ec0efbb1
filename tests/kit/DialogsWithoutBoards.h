#pragma once

#include "kit/ProgramTest.h"

#include "forms/common/BoardPicker.h"
#include "forms/common/CommandDialog.h"
#include "program/MainWindowServices.h"

#include <cstddef>
#include <vector>

namespace tarvik::testing {

// A program whose only board is an encoder board, which no motion command dialog but Reset
// Position and In Position lists: the dialogs' state without a board.
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

    // Opens the dialog, which finds no board: it says so in a message box, its board list, axis
    // field and Run are disabled, and a click on Run reaches nothing.
    template <class F>
    F& openWithoutBoard()
    {
        const std::size_t shownBefore = messageBoxes().size();
        F& dialog = app().form<F>();
        OpenChildWindow(dialog);
        EXPECT_EQ(messageBoxes().size(), shownBefore + 1) << dialog.name();
        EXPECT_EQ(messageBoxes().back().text, kNoBoardsMessage);
        EXPECT_FALSE(dialog.bidlist.enabled()) << dialog.name();
        if (Control* axis = dialog.findControl("axistxt")) {
            EXPECT_FALSE(axis->enabled()) << dialog.name();
        }
        EXPECT_FALSE(dialog.runcmd.enabled()) << dialog.name();
        EXPECT_FALSE(runtime().input().click(dialog.runcmd)) << dialog.name();
        return dialog;
    }
};

} // namespace tarvik::testing
