// The Find Home panel, opened as the wizards open it, on the built-in simulated boards:
// 2 three-axis open-loop stepper, 4 four-axis servo, 7 encoder. The plain search, Kill Motion
// and closing during a search from the wizard: tests/scripts/homing-find-home.tvs.

#include "kit/ProgramTest.h"

#include "driver/StatusText.h"
#include "init/FindHomePanel.h"
#include "program/App.h"

#include <gmock/gmock.h>

#include <functional>
#include <limits>
#include <utility>

namespace tarvik::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::Not;
using ::testing::StartsWith;
using ::testing::HasSubstr;

constexpr std::int16_t kStepper3 = 2, kServo4 = 4, kEncoder = 7;

class FindHomePanelTest : public ProgramTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    // Opens the panel for `board` as a wizard's Find Home button does and runs `inside` in its
    // modal loop; "Done" closes it afterwards unless `inside` closed it.
    void openPanel(std::int16_t board, std::function<void(FindHomePanel&)> inside)
    {
        onModal("frmfindhome", [this, inside](Form& form) {
            auto& panel = static_cast<FindHomePanel&>(form);
            inside(panel);
            if (panel.isLoaded() && !runtime().endRequested()) click(panel.cmdquit);
        });
        driver().mark();
        app().form<FindHomePanel>().showFor(board);
    }

    // The calls since the panel opened, the status polls left out.
    std::vector<std::string> commands()
    {
        std::vector<std::string> result;
        for (const CallRecord& call : driver().callsSinceMark())
            if (call.entry != "read_axis_stat") result.push_back(call.text());
        return result;
    }
};

TEST_F(FindHomePanelTest, SearchesWithTheRecordsVelocityAndDirectionAndResetsThePosition)
{
    app().state().Settings.Servo4SettingsTable[kServo4].Axis[3].HomeReverse = -1;
    app().state().Settings.Servo4SettingsTable[kServo4].Axis[3].FindRpm = 62.5;
    program().boards().setHomeSwitch(kServo4, 4, -3000);
    openPanel(kServo4, [&](FindHomePanel& panel) {
        EXPECT_TRUE(panel.cmdaxis(4).visible());
        click(panel.cmdaxis(4));
        EXPECT_EQ(panel.msgtxt.text(), "Find home sequence has completed.");
    });
    EXPECT_THAT(commands(), ElementsAre("load_rpm(4, 4, 62.5)", "load_rpsps(4, 4, 12.5)", "find_home(4, 4, -1)",
                                        "reset_pos(4, 4)"));
}

// The record may have been loaded after the board was initialised: one holding a value no window
// could have stored starts no search, whichever field it is and whichever axis it is on.
TEST_F(FindHomePanelTest, ARecordValueOutOfRangeStartsNoSearch)
{
    const double kInfinity = std::numeric_limits<double>::infinity();
    const std::pair<double, std::string> kVelocities[] = {
        {std::numeric_limits<double>::quiet_NaN(), "NaN"}, {kInfinity, "Infinity"}, {-kInfinity, "-Infinity"},
        {1e300, "1E+300"}, {-5, "-5"}, {0, "0"}, {1048576.5, "1048576.5"},
    };
    for (const auto& [rpm, shown] : kVelocities) {
        app().state().Settings.Servo4SettingsTable[kServo4].Axis[0].FindRpm = rpm;
        openPanel(kServo4, [&](FindHomePanel& panel) {
            click(panel.cmdaxis(2));
            EXPECT_EQ(panel.msgtxt.text(),
                      "The settings of board ID 4 (option 1 of the file \"moxpci11.ser\") hold a value out of range, "
                      "axis 1: Find Velocity is " + shown + ", outside 1 to 1048576. Nothing of them is sent to the "
                      "board until they are mended in the wizard.");
            EXPECT_TRUE(panel.cmdaxis(2).enabled());
            EXPECT_TRUE(panel.cmdquit.enabled());
        });
        EXPECT_THAT(commands(), ElementsAre()) << shown;
    }

    app().state().Settings.OpenLoopSettingsTable[kStepper3].Axis[0].FindRpm = 0;
    openPanel(kStepper3, [&](FindHomePanel& panel) {
        click(panel.cmdaxis(1));
        EXPECT_THAT(panel.msgtxt.text(), HasSubstr("axis 1: Find Velocity is 0, outside 1 to 1048576."));
    });
    EXPECT_THAT(commands(), ElementsAre());
}

TEST_F(FindHomePanelTest, EncoderBoardsAndMissingBoardsNeverReachTheDriver)
{
    openPanel(kEncoder, [this](FindHomePanel& panel) {
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_motionOnlyError));
    });
    EXPECT_TRUE(driver().callsSinceMark().empty());

    for (const std::int16_t board : std::initializer_list<std::int16_t>{-1, 0, 9}) {
        openPanel(board, [&](FindHomePanel& panel) {
            for (int axis = 1; axis <= 4; ++axis) EXPECT_FALSE(panel.cmdaxis(axis).enabled()) << board;
            EXPECT_THAT(panel.msgtxt.text(), HasSubstr("not a configured board"));
        });
        EXPECT_TRUE(driver().callsSinceMark().empty()) << board;
    }
}

TEST_F(FindHomePanelTest, KillMotionInTheSettlingPauseKillsAndAFailingKillIsShown)
{
    // The move is seen ended at once, so the click falls into the pause before the reset.
    driver().scriptReturns("read_axis_stat", {0x0400});
    openPanel(kServo4, [&](FindHomePanel& panel) {
        after(100, [&] { click(panel.cmdkill); });
        click(panel.cmdaxis(3));
        EXPECT_EQ(panel.msgtxt.text(), "Find home was terminated.");

        driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 1);
        after(100, [&] { click(panel.cmdkill); });
        click(panel.cmdaxis(3));
        EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_boardTimeoutError));
    });
    EXPECT_THAT(commands(), Not(Contains(StartsWith("reset_pos"))));
}

TEST_F(FindHomePanelTest, AFailingKillIsReportedAndTheSearchStaysWatched)
{
    driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 1);
    openPanel(kStepper3, [&](FindHomePanel& panel) {
        after(300, [&] { click(panel.cmdkill); });
        after(600, [&] { click(panel.cmdkill); });
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(), "Find home was terminated.");
    });
    ASSERT_EQ(errorWindows().size(), 1u);
    EXPECT_EQ(errorWindows()[0], "The home search on axis 1 of board 2 could not be stopped: " +
                                     StatusText(ZEVA_boardTimeoutError));
    EXPECT_THAT(commands(), ElementsAre("load_rpm(2, 1, 100)", "load_rpsps(2, 1, 20)", "find_home(2, 1, 0)",
                                        "kill_motion(2, 1)", "kill_motion(2, 1)"));
}

// A kill that did not happen must not read as a finished search: the axis stays watched, the
// status box says so while it runs, and when it ends by itself its position is not reset.
TEST_F(FindHomePanelTest, AFailingKillThatIsNotRetriedEndsWithoutAReset)
{
    driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 1);
    std::string whileRunning;
    openPanel(kStepper3, [&](FindHomePanel& panel) {
        after(300, [&] { click(panel.cmdkill); });
        after(400, [&] { whileRunning = panel.msgtxt.text(); });
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(),
                  StatusText(ZEVA_boardTimeoutError) + "\r\nKill Motion failed; the position was not reset.");
        EXPECT_TRUE(panel.cmdquit.enabled());
    });
    EXPECT_EQ(whileRunning, "Finding home on axis # 1...\r\nKill Motion failed: " + StatusText(ZEVA_boardTimeoutError));
    EXPECT_EQ(errorWindows().size(), 1u);
    EXPECT_THAT(commands(), ElementsAre("load_rpm(2, 1, 100)", "load_rpsps(2, 1, 20)", "find_home(2, 1, 0)",
                                        "kill_motion(2, 1)"));
}

TEST_F(FindHomePanelTest, SearchesThatEndBadlyAreReportedWithoutAReset)
{
    program().boards().failNextMove(kStepper3, 1);
    openPanel(kStepper3, [&](FindHomePanel& panel) {
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(), "Following error occurred on axis 1.");

        // Motor off without the profile complete.
        driver().scriptReturns("read_axis_stat", {0x0004});
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(), "Profile did not complete on axis 1.");
        driver().clearInjections();

        // A status read that fails leaves the axis unwatched: it is stopped.
        driver().injectFault("read_axis_stat", ZEVA_boardTimeoutError, 1);
        click(panel.cmdaxis(2));
        EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_boardTimeoutError) + "\r\nThe search was stopped.");
    });
    EXPECT_THAT(commands(), Not(Contains(StartsWith("reset_pos"))));
    EXPECT_THAT(commands(), Contains("kill_motion(2, 2)"));
    EXPECT_THAT(commands(), Not(Contains("kill_motion(2, 1)")));
}

TEST_F(FindHomePanelTest, AClosingThatCannotKillTheSearchIsRefusedAndReported)
{
    driver().injectFault("kill_motion", ZEVA_notReadyToReceiveError, 1);
    bool closed = true;
    openPanel(kStepper3, [&](FindHomePanel& panel) {
        after(400, [&] { closed = close(panel); });
        click(panel.cmdaxis(1));
        EXPECT_TRUE(panel.isLoaded());
        EXPECT_EQ(panel.msgtxt.text(), "Find home sequence has completed.");
    });
    EXPECT_FALSE(closed);
    EXPECT_THAT(errorWindows(), ElementsAre(HasSubstr("could not be stopped")));
}

TEST_F(FindHomePanelTest, AnAxisLostWithAFailingKillStaysWatchedUntilAKillSucceeds)
{
    driver().injectFault("read_axis_stat", ZEVA_boardTimeoutError, 1);
    driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 3);
    bool closedWhileUnstopped = true;
    openPanel(kStepper3, [&](FindHomePanel& panel) {
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_boardTimeoutError) + "\r\nThe search could not be stopped.");
        EXPECT_TRUE(panel.cmdquit.enabled());
        // Another search first tries the kill again, and is refused while it fails; so is closing.
        click(panel.cmdaxis(2));
        closedWhileUnstopped = close(panel);
    });
    EXPECT_FALSE(closedWhileUnstopped);
    EXPECT_EQ(errorWindows().size(), 3u);
    EXPECT_THAT(commands(), ElementsAre("load_rpm(2, 1, 100)", "load_rpsps(2, 1, 20)", "find_home(2, 1, 0)",
                                        "kill_motion(2, 1)", "kill_motion(2, 1)", "kill_motion(2, 1)",
                                        "kill_motion(2, 1)"));
}

TEST_F(FindHomePanelTest, ProgramEndDuringASearchKillsTheAxis)
{
    openPanel(kStepper3, [&](FindHomePanel& panel) {
        after(400, [&] { runtime().endProgram(); });
        click(panel.cmdaxis(1));
    });
    EXPECT_TRUE(runtime().endRequested());
    EXPECT_EQ(commands().back(), "kill_motion(2, 1)");
    EXPECT_THAT(commands(), Not(Contains(StartsWith("reset_pos"))));
}

} // namespace
} // namespace tarvik::testing
