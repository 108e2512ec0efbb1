#include "common/HelperTestForm.h"

#include "runtime/MsgBox.h"

namespace tarvik::testing {
namespace {

constexpr std::int16_t kServoGroups = 1 | 8;

using BoardPickerTest = FormHelpersTest;

TEST_F(BoardPickerTest, ListsTheMaskedGroupsInIdOrderAndPreselectsTheCurrentBoard)
{
    configure({{1, 0}, {2, 1}, {3, 11}, {5, 25}, {6, 14}, {7, 3}});
    app.state().selection.CurrentBoard = 5;
    HelperTestForm& form = open(kServoGroups);

    EXPECT_EQ(form.bidlist.items(), (std::vector<std::string>{"ID: 1", "ID: 3", "ID: 5", "ID: 7"}));
    EXPECT_EQ(form.boards.rows(), (BoardRowIds{1, 3, 5, 7, -1, -1, -1, -1}));
    EXPECT_EQ(form.listClicks, std::vector<int>{2});
    EXPECT_EQ(form.boardId, 5);
    EXPECT_EQ(app.state().selection.CurrentBoard, 5);
    EXPECT_TRUE(program.host().messageBoxes().empty());
}

TEST_F(BoardPickerTest, FirstRowWhenTheCurrentBoardIsNotListed)
{
    configure({{2, 1}, {4, 12}, {6, 13}});
    constexpr std::int16_t kFourAxisSteppers = 16 | 32;
    app.state().selection.CurrentBoard = 2; // a 3-axis stepper: not in the mask
    HelperTestForm& form = open(kFourAxisSteppers);
    EXPECT_EQ(form.bidlist.listIndex(), 0);
    EXPECT_EQ(form.boardId, 4);
    EXPECT_EQ(form.boards.selected(), std::optional<std::int16_t>{4});

    form.bidlist.clear();
    form.listClicks.clear();
    app.state().selection.CurrentBoard = 6;
    EXPECT_EQ(form.boards.fill(kFourAxisSteppers), std::optional<std::int16_t>{6});
    EXPECT_EQ(form.listClicks, std::vector<int>{1});
}

TEST_F(BoardPickerTest, NoBoardOfTheMaskTellsTheUserAndSelectsNothing)
{
    // Codes without a group never appear, even for a mask that admits every group.
    configure({{2, 10}, {3, 16}, {4, 28}, {5, 31}});
    HelperTestForm& form = open(-1);

    ASSERT_EQ(program.host().messageBoxes().size(), 1U);
    EXPECT_EQ(program.host().messageBoxes()[0].text, "There are no valid boards configured for this command.");
    EXPECT_EQ(program.host().messageBoxes()[0].buttons, msgbox::OkOnly);
    EXPECT_EQ(form.bidlist.listCount(), 0);
    EXPECT_EQ(form.bidlist.listIndex(), -1);
    EXPECT_TRUE(form.listClicks.empty());
    EXPECT_EQ(form.boards.rows(), (BoardRowIds{-1, -1, -1, -1, -1, -1, -1, -1}));
    EXPECT_EQ(form.boardId, -1);
}

TEST_F(BoardPickerTest, RowsBeyondTheEighthAreNeverAddedToAFullList)
{
    configure({{3, 11}, {4, 12}});
    HelperTestForm& form = open(0); // nothing listed on opening
    for (int row = 0; row < 7; ++row) form.bidlist.addItem("kept");

    EXPECT_EQ(form.boards.fill(-1), std::optional<std::int16_t>{3});
    EXPECT_EQ(form.bidlist.listCount(), 8);
    EXPECT_EQ(form.bidlist.list(7), "ID: 3");
    EXPECT_EQ(form.boards.rows(), (BoardRowIds{-1, -1, -1, -1, -1, -1, -1, 3}));
    EXPECT_EQ(form.bidlist.listIndex(), 7);
}

TEST_F(BoardPickerTest, DigitKeysPickTheBoardsRowAndOtherKeysBeep)
{
    configure({{1, 0}, {3, 11}, {6, 13}});
    app.state().selection.CurrentBoard = 1;
    HelperTestForm& form = open();
    form.listClicks.clear();

    ASSERT_TRUE(user().type(form.bidlist, "6"));
    EXPECT_EQ(form.bidlist.listIndex(), 2);
    EXPECT_EQ(form.listClicks, std::vector<int>{2});
    EXPECT_EQ(beeps(), 0);

    // Digits of boards not listed, digits outside 0..7, letters and the board already picked.
    ASSERT_TRUE(user().type(form.bidlist, "0598A"));
    EXPECT_EQ(beeps(), 5);
    ASSERT_TRUE(user().type(form.bidlist, "6"));
    EXPECT_EQ(beeps(), 5);
    EXPECT_EQ(form.bidlist.listIndex(), 2);
    EXPECT_EQ(form.listClicks, std::vector<int>{2});

    ASSERT_TRUE(user().type(form.bidlist, "3"));
    EXPECT_EQ(form.bidlist.listIndex(), 1);
}

TEST_F(BoardPickerTest, OnlyASelectedRowOfAConfiguredBoardIsSelected)
{
    configure({{1, 0}, {3, 11}});
    app.state().selection.CurrentBoard = 3;
    HelperTestForm& form = open();
    EXPECT_EQ(form.boards.selected(), std::optional<std::int16_t>{3});

    // Rows the picker did not fill, and a board that is no longer configured, give no board.
    form.bidlist.addItem("kept");
    form.bidlist.setListIndex(2);
    EXPECT_EQ(form.boards.selected(), std::nullopt);
    form.bidlist.setListIndex(1);
    app.state().boards.BoardType[3] = -1;
    EXPECT_EQ(form.boards.selected(), std::nullopt);
    form.bidlist.setListIndex(-1);
    EXPECT_EQ(form.boards.selected(), std::nullopt);

    form.boards.listOnly(1);
    EXPECT_EQ(form.bidlist.items(), std::vector<std::string>{"ID: 1"});
    EXPECT_EQ(form.boards.selected(), std::optional<std::int16_t>{1});
    EXPECT_FALSE(form.boards.select(3));
}

TEST_F(BoardPickerTest, DigitKeysInAnEmptyListOnlyBeep)
{
    configure({});
    HelperTestForm& form = open();
    ASSERT_TRUE(user().type(form.bidlist, "01"));
    EXPECT_EQ(beeps(), 2);
    EXPECT_EQ(form.bidlist.listIndex(), -1);
    EXPECT_TRUE(form.listClicks.empty());
}

} // namespace
} // namespace tarvik::testing
