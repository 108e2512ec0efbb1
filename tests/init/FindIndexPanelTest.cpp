// The Find Index panel, opened as the wizards open it, on the built-in simulated boards:
// 1 three-axis servo, 2 three-axis open-loop stepper, 4 four-axis servo, 7 encoder. The axes a
// closed-loop stepper wizard allows, and failures injected from a script:
// tests/scripts/homing-find-index.tvs.

#include "kit/ProgramTest.h"

#include "driver/StatusText.h"
#include "init/FindIndexPanel.h"
#include "program/App.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <functional>

namespace tarvik::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

constexpr std::int16_t kServo3 = 1, kStepper3 = 2, kServo4 = 4, kEncoder = 7;

class FindIndexPanelTest : public ProgramTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    // Opens the panel for `board` as a wizard's Find Index button does and runs `inside` in its
    // modal loop; "Done" closes it afterwards unless `inside` closed it.
    void openPanel(std::int16_t board, std::function<void(FindIndexPanel&)> inside)
    {
        onModal("frmfindindx", [this, inside](Form& form) {
            auto& panel = static_cast<FindIndexPanel&>(form);
            inside(panel);
            if (panel.isLoaded()) click(panel.cmdquit);
        });
        driver().mark();
        app().form<FindIndexPanel>().showFor(board);
    }

    // The calls since the panel opened, the status polls left out.
    std::vector<std::string> commands()
    {
        std::vector<std::string> result;
        for (const CallRecord& call : driver().callsSinceMark())
            if (call.entry != "read_axis_stat" && call.entry != "read_csr") result.push_back(call.text());
        return result;
    }
    static std::vector<bool> enabledButtons(const FindIndexPanel& panel)
    {
        std::vector<bool> enabled;
        for (int axis = 1; axis <= 4; ++axis) enabled.push_back(panel.cmdaxis(axis).enabled());
        return enabled;
    }
};

TEST_F(FindIndexPanelTest, ThreeAxisServoSearchReportsTheIndexAndResetsThePosition)
{
    ServoAxisSettings& axis2 = app().state().Settings.ServoSettingsTable[kServo3].Axis[1];
    axis2.FindRpm = 250.0;
    axis2.IndexReverse = -1;
    axis2.RefOffset = 12;
    openPanel(kServo3, [&](FindIndexPanel& panel) {
        EXPECT_THAT(enabledButtons(panel), ElementsAre(true, true, true, true));
        click(panel.cmdaxis(2));
        EXPECT_EQ(panel.msgtxt.text(), "Index was found.");
        EXPECT_TRUE(panel.cmdquit.enabled());
    });
    EXPECT_THAT(commands(), ElementsAre("load_rpm(1, 2, 250)", "load_rpsps(1, 2, 50)", "find_index(1, 2, -1, 12, &0)",
                                        "reset_pos(1, 2)"));
    EXPECT_EQ(driver().callsSinceMark().front().entry, "read_axis_stat");
}

// A value without meaning anywhere in the record starts no search.
TEST_F(FindIndexPanelTest, ARecordValueOutOfRangeStartsNoSearch)
{
    app().state().Settings.ServoSettingsTable[kServo3].Axis[1].StopMode = 0;
    openPanel(kServo3, [&](FindIndexPanel& panel) {
        click(panel.cmdaxis(1));
        EXPECT_THAT(panel.msgtxt.text(), HasSubstr("board ID 1 (option 1 of the file \"Moxel.ser\") hold a value out of "
                                                   "range, axis 2: Stop Mode is 0, outside 1 to 3."));
        EXPECT_THAT(enabledButtons(panel), ElementsAre(true, true, true, true));
    });
    EXPECT_THAT(commands(), ElementsAre());
}

TEST_F(FindIndexPanelTest, FourAxisServoWaitsOnTheStatusRegisterAndTellsFoundFromNotFound)
{
    openPanel(kServo4, [&](FindIndexPanel& panel) {
        click(panel.cmdaxis(4));
        EXPECT_EQ(panel.msgtxt.text(), "Index was found.");

        program().boards().setIndexPresent(kServo4, 4, false);
        click(panel.cmdaxis(4));
        EXPECT_EQ(panel.msgtxt.text(), "Index not found.");
    });
    const auto calls = driver().callsSinceMark();
    EXPECT_TRUE(std::any_of(calls.begin(), calls.end(), [](const CallRecord& c) { return c.entry == "read_csr"; }));
    EXPECT_THAT(commands(), Contains("reset_pos(4, 4)").Times(2));
}

TEST_F(FindIndexPanelTest, BoardsThatCannotSearchAreRefusedBeforeAnyMove)
{
    openPanel(kEncoder, [&](FindIndexPanel& panel) {
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_motionOnlyError));
    });
    EXPECT_TRUE(driver().callsSinceMark().empty());

    openPanel(kStepper3, [&](FindIndexPanel& panel) {
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_closedLoopOnlyError));
        EXPECT_THAT(enabledButtons(panel), ElementsAre(false, false, false, true));
    });
    EXPECT_THAT(commands(), ElementsAre());

    for (const std::int16_t board : std::initializer_list<std::int16_t>{-1, 0, 8}) {
        openPanel(board, [&](FindIndexPanel& panel) {
            EXPECT_THAT(enabledButtons(panel), ElementsAre(false, false, false, false));
        });
        EXPECT_TRUE(driver().callsSinceMark().empty()) << board;
    }
}

TEST_F(FindIndexPanelTest, ARunningAxisIsRefused)
{
    driver().scriptReturns("read_axis_stat", {0x0080}, 1);
    openPanel(kServo4, [&](FindIndexPanel& panel) {
        click(panel.cmdaxis(2));
        EXPECT_EQ(panel.msgtxt.text(), "Axis 2 is running. Cannot find index.");
    });
    EXPECT_THAT(commands(), ElementsAre());
}

TEST_F(FindIndexPanelTest, SearchesThatStopBadlyAreReportedWithoutAReset)
{
    openPanel(kServo3, [&](FindIndexPanel& panel) {
        // Stopped on the home switch, with the index found as well.
        driver().scriptReturns("read_axis_stat", {0x040A});
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(), "Home switch active on axis #1.");
        driver().clearInjections();

        program().boards().setLimitSwitches(kServo3, 2, -1000, 100);
        click(panel.cmdaxis(2));
        EXPECT_EQ(panel.msgtxt.text(), "Limit switch active on axis #2.");

        program().boards().failNextMove(kServo3, 3);
        click(panel.cmdaxis(3));
        EXPECT_EQ(panel.msgtxt.text(), "Following error occurred on axis #3.");

        // The scripted words hide the moves the board really makes; let them end.
        wait(2000);
        driver().scriptReturns("read_axis_stat", {0x0004});
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(), "Profile did not complete on axis #1.");
    });
    EXPECT_THAT(commands(), Not(Contains(StartsWith("reset_pos"))));
}

TEST_F(FindIndexPanelTest, ASearchThePanelCannotFollowIsReportedAndStopped)
{
    // Status words that never show the search's end: the axis seems to search for ever.
    driver().scriptReturns("read_axis_stat", {0});
    const std::int64_t start = clock().nowMicros();
    openPanel(kServo3, [&](FindIndexPanel& panel) {
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(),
                  "Axis #1 of board 1 did not stop within 120 seconds.\r\nThe search was stopped.");
        EXPECT_TRUE(panel.cmdaxis(1).enabled());

        // A status read that fails once the search runs.
        driver().injectFault("read_axis_stat", ZEVA_boardTimeoutError, 1, 1);
        click(panel.cmdaxis(2));
        EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_boardTimeoutError) + "\r\nThe search was stopped.");
    });
    EXPECT_LT(clock().nowMicros() - start, 130'000'000);
    EXPECT_THAT(commands(), Contains("kill_motion(1, 1)"));
    EXPECT_THAT(commands(), Contains("kill_motion(1, 2)"));
    EXPECT_THAT(commands(), Not(Contains(StartsWith("reset_pos"))));

    // On the four-axis boards the status-register wait gives up in the same way, and a failing
    // register read is handled as a failing status read.
    driver().scriptReturns("read_csr", {0});
    openPanel(kServo4, [&](FindIndexPanel& panel) {
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_boardTimeoutError) + "\r\nThe search was stopped.");

        driver().injectFault("read_csr", ZEVA_notReadyToReceiveError, 1);
        click(panel.cmdaxis(3));
        EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_notReadyToReceiveError) + "\r\nThe search was stopped.");
    });
    EXPECT_THAT(commands(), Contains("kill_motion(4, 1)"));
    EXPECT_THAT(commands(), Contains("kill_motion(4, 3)"));
    EXPECT_THAT(commands(), Not(Contains(StartsWith("reset_pos"))));
}

TEST_F(FindIndexPanelTest, AnAxisThatCouldNotBeStoppedKeepsThePanelOpenUntilAKillSucceeds)
{
    driver().scriptReturns("read_axis_stat", {0});
    driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 3);
    bool closedWhileUnstopped = true;
    openPanel(kServo3, [&](FindIndexPanel& panel) {
        click(panel.cmdaxis(1));
        EXPECT_EQ(panel.msgtxt.text(),
                  "Axis #1 of board 1 did not stop within 120 seconds.\r\nThe search could not be stopped.");
        EXPECT_TRUE(panel.cmdquit.enabled());
        // Another search first tries the kill again, and is refused while it fails; so is closing.
        click(panel.cmdaxis(2));
        closedWhileUnstopped = close(panel);
    });
    EXPECT_FALSE(closedWhileUnstopped);
    EXPECT_THAT(errorWindows(),
                ElementsAre("The index search on axis 1 of board 1 could not be stopped: " +
                                StatusText(ZEVA_boardTimeoutError),
                            StartsWith("The index search on axis 1"), StartsWith("The index search on axis 1")));
    EXPECT_THAT(commands(), ElementsAre(StartsWith("load_rpm"), StartsWith("load_rpsps"), "find_index(1, 1, 0, 0, &0)",
                                        "kill_motion(1, 1)", "kill_motion(1, 1)", "kill_motion(1, 1)",
                                        "kill_motion(1, 1)"));
}

} // namespace
} // namespace tarvik::testing
