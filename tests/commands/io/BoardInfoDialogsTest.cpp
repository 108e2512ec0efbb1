// The board name, board information and A/D converter dialogs as a user meets them: the two
// calls of the name, a name length no buffer should be made for, the attribute texts, typed text
// in the attribute list, and the A/D channel's keys and value.

#include "kit/DialogsWithoutBoards.h"

#include "commands/io/BoardInformationDialog.h"
#include "commands/io/BoardNameDialog.h"
#include "commands/io/ReadAdConverterDialog.h"
#include "driver/StatusText.h"
#include "shell/MainWindowServices.h"

#include <gmock/gmock.h>

#include <string>
#include <tuple>
#include <vector>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;

class BoardInfoDialogsTest : public ProgramTest {
protected:
    BoardInfoDialogsTest()
        : ProgramTest({.boards = std::vector<SimBoardSpec>{
                           {.id = 2, .typeCode = 11, .ioAddress = 0x300, .name = "Gantry X"},
                           {.id = 3, .typeCode = 1, .ioAddress = 0x310, .name = std::string(256, 'n')},
                           {.id = 5, .typeCode = 13, .ioAddress = 0x320, .name = std::string(255, 'm')}}})
    {
    }

    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }
};

TEST_F(BoardInfoDialogsTest, TheNameIsReadInTwoCallsAndOnlyWithinItsLength)
{
    auto& dialog = openWithCurrentBoard<BoardNameDialog>(2);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("get_motion_board_name(2, \"\", &0->8)",
                                         "get_motion_board_name(2, \"Gantry X\", &9->8)"));
    EXPECT_EQ(dialog.BoardName.text(), "Gantry X");
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_noError));
    click(dialog.BoardName);
    EXPECT_EQ(dialog.BoardName.text(), "") << "touching the name box empties it";

    type(dialog.bidlist, "5");
    click(dialog.runcmd);
    EXPECT_EQ(dialog.BoardName.text(), std::string(255, 'm')) << "the longest name is read whole";
    takeCalls();

    driver().injectFault("get_motion_board_name", ZEVA_boardTimeoutError, 1);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("get_motion_board_name(5, \"\", &0)"));
    EXPECT_EQ(dialog.BoardName.text(), "");
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_boardTimeoutError));

    // A length beyond what a name may have gets no buffer and no second call.
    type(dialog.bidlist, "3");
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("get_motion_board_name(3, \"\", &0->256)"));
    EXPECT_EQ(dialog.BoardName.text(), "");
    EXPECT_EQ(dialog.msgtxt.text(), "The board reported a name of 256 characters; a name has 0 to 255.");
}

TEST_F(BoardInfoDialogsTest, EachAttributeIsShownByItsMeaning)
{
    auto& dialog = openWithCurrentBoard<BoardInformationDialog>(2);
    EXPECT_EQ(dialog.InfoType.listIndex(), 3) << "Board Type at load";
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("get_motion_board_info(2, 1120, &11)"));
    EXPECT_EQ(dialog.InfoValue.text(), "11");

    const std::vector<std::tuple<int, int, std::string>> shown = {
        {0, 0, "Brevan"}, {0, 1, "Ostrel"}, {0, 2, "Brevan"}, {1, 4, "4"}, {2, 0, "ISA Bus"},
        {2, 1, "PCI Bus"}, {2, 2, "PXI Bus"}, {2, 7, "Internal Software Error"}, {4, 0, "Servo"},
        {4, 1, "Open-Loop Stepper"}, {4, 2, "Closed-Loop Stepper"}, {4, 3, "Internal Software Error"},
        {5, 1, "Yes"}, {5, 0, "No"}, {5, -1, "Internal Software Error"}};
    for (const auto& [row, value, text] : shown) {
        select(dialog.InfoType, row);
        driver().scriptReturns("get_motion_board_info", {static_cast<double>(value)}, 1);
        click(dialog.runcmd);
        EXPECT_EQ(dialog.InfoValue.text(), text) << "row " << row << " value " << value;
    }
    takeCalls();

    driver().injectFault("get_motion_board_info", ZEVA_boardTimeoutError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.InfoValue.text(), "") << "a failure with a row shows nothing";
    doubleClick(dialog.InfoValue);
    EXPECT_EQ(dialog.InfoValue.text(), "");
}

TEST_F(BoardInfoDialogsTest, TextTypedIntoTheAttributeListSendsAttributeZero)
{
    auto& dialog = openWithCurrentBoard<BoardInformationDialog>(5);
    focus(dialog.InfoType);
    type(dialog.InfoType, "Serial");
    EXPECT_EQ(dialog.InfoType.listIndex(), -1);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("get_motion_board_info(5, 0, &)"));
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_infoAttributeError));
    EXPECT_EQ(dialog.InfoValue.text(), "Internal Software Error");

    driver().scriptReturns("get_motion_board_info", {3}, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.InfoValue.text(), "This is impossible!  Contact Quorvane.");
}

TEST_F(BoardInfoDialogsTest, TheAdChannelTakesOneDigitOneToEightAndShowsTheValueRead)
{
    auto& dialog = openWithCurrentBoard<ReadAdConverterDialog>(2);
    EXPECT_THAT(dialog.bidlist.items(), ElementsAre("ID: 2", "ID: 5")) << "no 3-axis board";
    EXPECT_EQ(dialog.channeltxt.text(), "1");
    retype(dialog.channeltxt, "09");
    EXPECT_EQ(dialog.channeltxt.text(), "1") << "0 and 9 are dropped";
    retype(dialog.channeltxt, "78");
    EXPECT_EQ(dialog.channeltxt.text(), "7") << "one character";

    program().boards().setAdcValue(2, 7, -5);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("read_adc(2, 7, &-5)"));
    EXPECT_EQ(dialog.poslbl.caption(), "-5");
    driver().injectFault("read_adc", ZEVA_adcChannelError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.poslbl.caption(), "-5") << "a failed read keeps the last value";
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_adcChannelError));
}

} // namespace
} // namespace tarvik::testing
