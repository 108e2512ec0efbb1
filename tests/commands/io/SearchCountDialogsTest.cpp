// The find home, find index, encoder line count and rotary count dialogs as a user meets them:
// what they show of the settings record at load, what a Run keeps there and when, both kinds of
// index search with the bounded wait, the offset's checks and the rotary count's clamps.

#include "kit/DialogsWithoutBoards.h"

#include "commands/io/FindHomeCommandDialog.h"
#include "commands/io/FindIndexCommandDialog.h"
#include "commands/io/LoadRotaryCountsDialog.h"
#include "commands/io/StoreEncoderLineCountDialog.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/AxisSettings.h"
#include "shell/MainWindowServices.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <optional>
#include <string>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;

class SearchCountDialogsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }


    std::size_t callsTo(const std::vector<std::string>& calls, std::string_view entry)
    {
        return static_cast<std::size_t>(std::count_if(calls.begin(), calls.end(), [&](const std::string& call) {
            return call.starts_with(std::string(entry) + "(");
        }));
    }
};

TEST_F(SearchCountDialogsTest, FindHomeShowsAxisOnesDirectionAndKeepsTheSentOneAfterStatusZeroOnly)
{
    storeSetting(4, 1, AxisField::HomeReverse, 1); // any non-zero value reads as reverse
    const auto changedBefore = app().state().boards.SettingsChanged;
    auto& dialog = openWithCurrentBoard<FindHomeCommandDialog>(4);
    EXPECT_EQ(dialog.boards().mask(), 63);
    EXPECT_THAT(dialog.bidlist.items(), ElementsAre("ID: 1", "ID: 2", "ID: 3", "ID: 4", "ID: 5", "ID: 6"));
    EXPECT_TRUE(dialog.reverse.value());
    retype(dialog.axistxt(), "2");
    EXPECT_TRUE(dialog.reverse.value()) << "shown at load only";

    driver().injectFault("find_home", ZEVA_notReadyToReceiveError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_notReadyToReceiveError));
    EXPECT_EQ(storedSetting(4, 2, AxisField::HomeReverse), 0);
    click(dialog.runcmd);
    EXPECT_EQ(storedSetting(4, 2, AxisField::HomeReverse), -1);

    click(dialog.optionLabel(0));
    EXPECT_TRUE(dialog.forward.value()) << "the label selects its option";
    retype(dialog.axistxt(), "12");
    EXPECT_EQ(dialog.axistxt().text(), "4") << "two characters, clamped to the board's axes";
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("find_home(4, 2, -1)", "find_home(4, 2, -1)", "find_home(4, 4, 0)"));
    EXPECT_EQ(storedSetting(4, 4, AxisField::HomeReverse), 0);
    EXPECT_EQ(app().state().boards.SettingsChanged, changedBefore);
}

TEST_F(SearchCountDialogsTest, FindIndexOnAThreeAxisBoardTakesTheDriversAnswerWithoutWaiting)
{
    storeSetting(1, 1, AxisField::IndexReverse, -1);
    auto& dialog = openWithCurrentBoard<FindIndexCommandDialog>(1);
    EXPECT_EQ(dialog.boards().mask(), 45);
    EXPECT_THAT(dialog.bidlist.items(), ElementsAre("ID: 1", "ID: 3", "ID: 4", "ID: 6"));
    EXPECT_TRUE(dialog.Reverse.value());
    EXPECT_EQ(dialog.indextxt.text(), "0");
    EXPECT_TRUE(dialog.runcmd.enabled());

    click(dialog.optionLabel(0));
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("find_index(1, 1, 0, 0, &0)"));
    EXPECT_EQ(dialog.msgtxt.text(), "Index found.");
    EXPECT_EQ(storedSetting(1, 1, AxisField::IndexReverse), 0);

    wait(5000);
    driver().scriptReturns("find_index", {1}, 1);
    click(dialog.Reverse);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), "Index not found.");
    EXPECT_EQ(storedSetting(1, 1, AxisField::IndexReverse), -1) << "kept whether found or not";
}

TEST_F(SearchCountDialogsTest, FindIndexOnATwoOrFourAxisBoardWaitsForTheSearchToEnd)
{
    auto& dialog = openWithCurrentBoard<FindIndexCommandDialog>(4);
    retype(dialog.axistxt(), "3");
    click(dialog.runcmd);
    const std::vector<std::string> calls = takeCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_THAT(calls.front(), ::testing::StartsWith("find_index(4, 3, 0, 0, "));
    EXPECT_GT(callsTo(calls, "read_csr"), 0u);
    EXPECT_THAT(calls.back(), ::testing::StartsWith("read_axis_stat(4, 3, "));
    EXPECT_EQ(dialog.msgtxt.text(), "Index found.");
    EXPECT_EQ(storedSetting(4, 3, AxisField::IndexReverse), 0);

    // The wait decides: an axis word without Index Found is not found.
    storeSetting(4, 3, AxisField::IndexReverse, 5);
    driver().scriptReturns("read_axis_stat", {AxisStatusProfileComplete}, 1);
    wait(5000);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), "Index not found.");
    EXPECT_EQ(storedSetting(4, 3, AxisField::IndexReverse), 0);

    // A failing read of the wait: its status, and the record keeps its direction.
    storeSetting(4, 3, AxisField::IndexReverse, 5);
    wait(5000);
    driver().injectFault("read_csr", ZEVA_hardwareFailureError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_hardwareFailureError));
    EXPECT_EQ(storedSetting(4, 3, AxisField::IndexReverse), 5);
}

TEST_F(SearchCountDialogsTest, AnIndexSearchThatNeverEndsIsGivenUpNamingBoardAndAxis)
{
    auto& dialog = openWithCurrentBoard<FindIndexCommandDialog>(6);
    retype(dialog.axistxt(), "2");
    storeSetting(6, 2, AxisField::IndexReverse, 5);
    driver().scriptReturns("read_csr", {CsrAxisRunning(2)});
    // The board runs closed loop only once initialised; the search itself answers at once.
    driver().scriptReturns("find_index", {0}, 1);
    const std::int64_t started = clock().nowMicros();
    click(dialog.runcmd);
    ASSERT_FALSE(modalShows().empty());
    EXPECT_EQ(modalShows().back().form, "frmerrmsg");
    EXPECT_THAT(modalShows().back().text, ::testing::HasSubstr("Axis 2 of board 6"));
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_boardTimeoutError));
    EXPECT_EQ(storedSetting(6, 2, AxisField::IndexReverse), 5);
    EXPECT_LT(clock().nowMicros() - started, 200'000'000);
}

TEST_F(SearchCountDialogsTest, TheIndexOffsetTakesASignOnlyInFrontAndStaysIn16Bits)
{
    auto& dialog = openWithCurrentBoard<FindIndexCommandDialog>(1);
    retype(dialog.indextxt, "");
    press(dialog.indextxt, Key::Backspace);
    EXPECT_EQ(dialog.indextxt.text(), "");
    EXPECT_FALSE(dialog.runcmd.enabled()) << "the axis is valid, the offset is not";
    retype(dialog.indextxt, "12");
    EXPECT_TRUE(dialog.runcmd.enabled());

    retype(dialog.indextxt, "5-");
    EXPECT_EQ(dialog.indextxt.text(), "5") << "a sign after a digit is dropped";
    EXPECT_TRUE(dialog.runcmd.enabled());
    retype(dialog.indextxt, "--");
    EXPECT_EQ(dialog.indextxt.text(), "-");
    EXPECT_FALSE(dialog.runcmd.enabled());

    const std::size_t shownBefore = modalShows().size();
    retype(dialog.indextxt, "40000");
    ASSERT_EQ(modalShows().size(), shownBefore + 1);
    EXPECT_EQ(modalShows().back().text, "Value needs to be between -32768 and 32767.");
    EXPECT_EQ(dialog.indextxt.text(), "32767");
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("find_index(1, 1, 0, 32767, &0)"));
}

TEST_F(SearchCountDialogsTest, EncoderLineCountShowsTheRecordsCountAndKeepsTheSentOne)
{
    storeSetting(7, 1, AxisField::EncoderLines, 1000);
    storeSetting(7, 3, AxisField::EncoderLines, 500);
    auto& dialog = openWithCurrentBoard<StoreEncoderLineCountDialog>(7);
    EXPECT_THAT(dialog.bidlist.items(), ElementsAre("ID: 1", "ID: 4", "ID: 7"));
    EXPECT_EQ(dialog.elctxt.text(), " 1000");
    EXPECT_TRUE(dialog.runcmd.enabled());
    retype(dialog.axistxt(), "3");
    retype(dialog.elctxt, "2048");
    driver().injectFault("store_elc", ZEVA_argumentRangeError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(storedSetting(7, 3, AxisField::EncoderLines), 500);
    click(dialog.runcmd);
    EXPECT_EQ(storedSetting(7, 3, AxisField::EncoderLines), 2048);
    EXPECT_EQ(storedSetting(7, 1, AxisField::EncoderLines), 1000);
    EXPECT_THAT(takeCalls(), ElementsAre("store_elc(7, 3, 2048)", "store_elc(7, 3, 2048)"));
}

TEST_F(SearchCountDialogsTest, RotaryCountClampsTheAxisToFourAndTheCountToItsRange)
{
    auto& dialog = openWithCurrentBoard<LoadRotaryCountsDialog>(4);
    EXPECT_THAT(dialog.bidlist.items(), ElementsAre("ID: 4"));
    EXPECT_FALSE(dialog.runcmd.enabled()) << "no count yet";
    int beepsBefore = beeps();
    retype(dialog.axistxt(), "5");
    EXPECT_EQ(dialog.axistxt().text(), "4");
    retype(dialog.axistxt(), "x");
    EXPECT_EQ(dialog.axistxt().text(), "1") << "a letter counts as 0";
    EXPECT_EQ(beeps(), beepsBefore + 2);

    retype(dialog.rotcnttxt, "99999999");
    EXPECT_EQ(modalShows().back().text, "Value needs to be between 0 and 16777215.");
    EXPECT_EQ(dialog.rotcnttxt.text(), "16777215");
    retype(dialog.axistxt(), "3");
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("load_rot_counts(4, 3, 16777215)"));
    clickForm(dialog);
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_noError)) << "a click on the window does nothing";
}

using SearchCountDialogsWithoutBoardsTest = DialogsWithoutBoardsTest;

TEST_F(SearchCountDialogsWithoutBoardsTest, OnlyAnEncoderBoardLeavesTheSearchesAndRotaryCountWithout)
{
    openWithoutBoard<FindHomeCommandDialog>();
    openWithoutBoard<FindIndexCommandDialog>();
    openWithoutBoard<LoadRotaryCountsDialog>();
}

} // namespace
} // namespace tarvik::testing
