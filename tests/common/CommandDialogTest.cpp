// The command dialog frame as a user meets it: load, board selection, field checks, the
// Run-enable rule, Run and the status text, on test members built on the frame.

#include "common/CommandDialogTest.h"

#include "driver/StatusText.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

constexpr const char* kStatusZero = "status 0: ZEVA_noError. No error.";

TEST_F(CommandDialogTest, LoadPreselectsTheCurrentBoardAndRunSendsTheTypedValues)
{
    app().state().selection.CurrentBoard = 2;
    auto& dialog = open<AccelDialog>();
    EXPECT_EQ(dialog.boards().mask(), 63);
    EXPECT_THAT(dialog.bidlist.items(), ElementsAre("ID: 1", "ID: 2", "ID: 3"));
    EXPECT_EQ(dialog.bidlist.listIndex(), 1);
    EXPECT_EQ(dialog.state().BoardId, 2);
    EXPECT_EQ(dialog.state().AxisCount, 3);
    EXPECT_EQ(dialog.axistxt().text(), "1");
    EXPECT_EQ(dialog.axisValid(), 1);
    EXPECT_FALSE(dialog.runcmd.enabled()) << "the value field is still empty";

    type(dialog.acceltxt, "1x0.0");
    EXPECT_EQ(dialog.acceltxt.text(), "100") << "keys outside the field's set are dropped";
    EXPECT_TRUE(dialog.runcmd.enabled());
    type(dialog.axistxt(), "3");
    select(dialog.bidlist, 0);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("load_accel(1, 3, 100)"));
    EXPECT_EQ(dialog.msgtxt.text(), kStatusZero);
    EXPECT_EQ(dialog.state().AxisNumber, 3);
    EXPECT_EQ(beeps(), 0);
}

TEST_F(CommandDialogTest, AxisIsClampedSilentlyToTheSelectedBoard)
{
    auto& dialog = open<AccelDialog>();
    type(dialog.acceltxt, "500");
    type(dialog.axistxt(), "4");
    ASSERT_TRUE(dialog.runcmd.enabled());

    select(dialog.bidlist, 1); // the 3-axis board
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(dialog.axistxt().text(), "3");
    EXPECT_TRUE(dialog.runcmd.enabled());

    type(dialog.axistxt(), "5");
    EXPECT_EQ(beeps(), 2);
    EXPECT_EQ(dialog.axistxt().text(), "3");
    retype(dialog.axistxt(), "0");
    EXPECT_EQ(dialog.axistxt().text(), "1");
    EXPECT_TRUE(modalShows().empty()) << "the axis check shows no message";

    retype(dialog.axistxt(), "\b");
    EXPECT_EQ(dialog.axistxt().text(), "");
    EXPECT_EQ(dialog.axisValid(), 0);
    EXPECT_FALSE(dialog.runcmd.enabled());
    EXPECT_EQ(beeps(), 3);
}

TEST_F(CommandDialogTest, ValueOutsideItsRangeIsReportedAndSetToTheBound)
{
    auto& dialog = open<AccelDialog>();
    type(dialog.acceltxt, "0");
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(lastModalText(), "Value needs to be between 1 and 5242879.");
    EXPECT_EQ(dialog.acceltxt.text(), "1");
    EXPECT_TRUE(dialog.runcmd.enabled());

    retype(dialog.acceltxt, "5242880");
    EXPECT_EQ(dialog.acceltxt.text(), "5242879");
    EXPECT_EQ(modalShows().size(), 2u);

    // An emptied field becomes "0" on leaving, which the check then corrects to the bound.
    retype(dialog.acceltxt, "\b");
    EXPECT_FALSE(dialog.runcmd.enabled());
    focus(dialog.axistxt());
    EXPECT_EQ(modalShows().size(), 3u);
    EXPECT_EQ(dialog.acceltxt.text(), "1");
    EXPECT_TRUE(dialog.runcmd.enabled());
}

TEST_F(CommandDialogTest, DigitKeysInTheListPickBoardsAndFocusOrClicksClearTheStatus)
{
    auto& dialog = open<AccelDialog>();
    focus(dialog.bidlist);
    ASSERT_TRUE(runtime().input().press('3', 0));
    EXPECT_EQ(dialog.state().BoardId, 3);
    EXPECT_EQ(beeps(), 0);
    ASSERT_TRUE(runtime().input().press('9', 0));
    ASSERT_TRUE(runtime().input().press('A', 0));
    EXPECT_EQ(beeps(), 2);
    EXPECT_EQ(dialog.state().BoardId, 3);

    type(dialog.acceltxt, "10");
    const auto runThenClear = [&](const std::function<void()>& clear) {
        click(dialog.runcmd);
        EXPECT_EQ(dialog.msgtxt.text(), kStatusZero);
        clear();
        EXPECT_EQ(dialog.msgtxt.text(), "");
    };
    runThenClear([&] { clickForm(dialog); });
    runThenClear([&] { click(dialog.msgtxt); });
    runThenClear([&] { focus(dialog.bidlist); });
    runThenClear([&] { focus(dialog.acceltxt); });
    EXPECT_EQ(dialog.acceltxt.selLength(), 2) << "entering a field selects its text";
}

TEST_F(CommandDialogTest, FailedRunShowsTheFullStatusTextAndKeepsTheDialogUsable)
{
    auto& dialog = open<AccelDialog>();
    type(dialog.acceltxt, "250");
    driver().injectFault("load_accel", ZEVA_badDeviceOrAxisError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_badDeviceOrAxisError));
    EXPECT_THAT(dialog.msgtxt.text(), StartsWith("status 6: ZEVA_badDeviceOrAxisError"));
    EXPECT_TRUE(dialog.runcmd.enabled());
    EXPECT_EQ(dialog.acceltxt.text(), "250");
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), kStatusZero);
}

TEST_F(CommandDialogTest, BoardLevelDialogWithoutFieldsRunsAtOnceAndOpensItsHelpTopic)
{
    auto& dialog = open<DelimiterDialog>();
    EXPECT_THROW(dialog.axistxt(), std::logic_error);
    EXPECT_THAT(dialog.bidlist.items(), ElementsAre("ID: 1", "ID: 2", "ID: 3", "ID: 5"));
    EXPECT_TRUE(dialog.runcmd.enabled());
    select(dialog.bidlist, 3);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("trig_buff_delim(5)"));
    press(Key::F1);
    EXPECT_EQ(runtime().lastHelpTopic(), 117);
}

TEST_F(CommandDialogTest, FieldBoundedByTheBoardIsCheckedAgainWhenAnotherBoardIsPicked)
{
    auto& dialog = open<PrestoreDialog>();
    TextBox& tnumtxt = dialog.field(0);
    EXPECT_FALSE(dialog.runcmd.enabled());
    type(tnumtxt, "5");
    EXPECT_EQ(tnumtxt.text(), "4");
    select(dialog.bidlist, 1); // type 0: triggers 1 to 6
    type(tnumtxt, "6");
    EXPECT_EQ(tnumtxt.text(), "6");
    const int beepsBefore = beeps();
    select(dialog.bidlist, 0);
    EXPECT_EQ(beeps(), beepsBefore + 1);
    EXPECT_EQ(tnumtxt.text(), "4");
    EXPECT_TRUE(dialog.runcmd.enabled());
    EXPECT_TRUE(modalShows().empty());

    focus(dialog.bidlist);
    ASSERT_TRUE(runtime().input().press('3', 0));
    EXPECT_EQ(dialog.bidlist.listIndex(), 0) << "this dialog takes no board keys";
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("begin_prestore(1, 4)"));
}

class CommandDialogWithoutBoardsTest : public ProgramTest {
protected:
    CommandDialogWithoutBoardsTest()
        : ProgramTest({.boards = std::vector<SimBoardSpec>{{.id = 5, .typeCode = 6, .ioAddress = 0x360, .name = ""}}})
    {
    }
};

TEST_F(CommandDialogWithoutBoardsTest, NoListedBoardLeavesFieldsAndRunDisabled)
{
    ASSERT_TRUE(start());
    takeCalls();
    auto& dialog = app().form<AccelDialog>();
    OpenChildWindow(dialog);
    ASSERT_EQ(messageBoxes().size(), 1u);
    EXPECT_EQ(messageBoxes()[0].text, "There are no valid boards configured for this command.");
    EXPECT_EQ(dialog.bidlist.listCount(), 0);
    EXPECT_EQ(dialog.state().BoardId, -1);
    EXPECT_EQ(dialog.state().AxisCount, 0);
    EXPECT_EQ(dialog.axistxt().text(), "");
    for (Control* control : {static_cast<Control*>(&dialog.bidlist), static_cast<Control*>(&dialog.axistxt()),
                             static_cast<Control*>(&dialog.acceltxt), static_cast<Control*>(&dialog.runcmd)}) {
        EXPECT_FALSE(control->enabled()) << control->name();
    }
    EXPECT_FALSE(runtime().input().type(dialog.axistxt(), "1"));
    EXPECT_FALSE(runtime().input().click(dialog.runcmd));
    EXPECT_TRUE(takeCalls().empty());
    EXPECT_EQ(beeps(), 0);
}

// A Run that starts enabled and a board-level dialog are disabled all the same without a board.
class KillAllDialog : public CommandDialog {
public:
    explicit KillAllDialog(App& app)
        : CommandDialog(app, {.name = "frmkillall", .caption = "Kill All", .mask = 63, .axis = std::nullopt,
                              .runStartsEnabled = true,
                              .call = [](CommandRun& run) { return run.driver.kill_motion(run.board, 1); }})
    {
    }
};

TEST_F(CommandDialogWithoutBoardsTest, RunThatStartsEnabledStaysOffWithoutABoard)
{
    ASSERT_TRUE(start());
    takeCalls();
    auto& dialog = app().form<KillAllDialog>();
    OpenChildWindow(dialog);
    EXPECT_FALSE(dialog.runcmd.enabled());
    EXPECT_FALSE(runtime().input().click(dialog.runcmd));
    EXPECT_TRUE(takeCalls().empty());
}

} // namespace
} // namespace tarvik::testing
