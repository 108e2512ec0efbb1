// The watched-motion frame, through a small panel that moves axes of the built-in four-axis
// servo board (4) together. Its use by the homing panels: tests/init/FindHomePanelTest.cpp,
// FindIndexPanelTest.cpp.

#include "common/HelperTestForm.h"

#include "common/MotionWaits.h"
#include "common/WatchedMotionPanel.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::int16_t kServo4 = 4;

// "Run" starts a move of `axes` on board 4 with one multi_start and follows it, letting events
// run, until every axis is done; a failing status read abandons the move.
class WatchTestPanel final : public WatchedMotionPanel {
public:
    explicit WatchTestPanel(App& app)
        : WatchedMotionPanel(app, "frmwatchtest", {.caption = "Watched motion", .mdiChild = false})
    {
        runcmd.onClick = [this] { runcmd_Click(); };
    }

    std::vector<std::int16_t> axes;

    CommandButton runcmd{this, "runcmd", {.caption = "Run", .left = 120, .top = 120, .width = 975, .height = 375}};
    TextBox msgtxt{this, "msgtxt", {.left = 120, .top = 600, .width = 4300, .height = 855}};

private:
    void runcmd_Click()
    {
        if (!killWatched()) return;
        std::int16_t mask = 0;
        for (const std::int16_t axis : axes) mask = static_cast<std::int16_t>(mask | (1 << (axis - 1)));
        if (const DriverStatus status = app_.driver().multi_start(kServo4, mask)) {
            msgtxt.setText(StatusText(status));
            return;
        }
        motionStarted({.board = kServo4, .axes = axes, .name = "test move", .shortName = "move"});
        follow();
        runEnded();
    }

    void follow()
    {
        for (;;) {
            bool done = true;
            for (const std::int16_t axis : axes) {
                std::int16_t word = 0;
                if (const DriverStatus status = app_.driver().read_axis_stat(kServo4, axis, word)) {
                    msgtxt.setText(abandonMotion(StatusText(status)));
                    return;
                }
                done = done && AxisMoveDone(word);
            }
            if (done) {
                msgtxt.setText("Move ended.");
                return;
            }
            if (!letEventsRun()) return;
            app_.clock().spend(kPollIntervalMicros);
        }
    }
};

class WatchedMotionPanelTest : public FormHelpersTest {
protected:
    // Shows the panel with a move of 4000 counts at 4000 counts/s loaded on `axes`: about 2 s.
    WatchTestPanel& open(std::vector<std::int16_t> axes)
    {
        RecordingDriver& driver = program.driver();
        for (const std::int16_t axis : axes) {
            EXPECT_EQ(driver.load_rpm(kServo4, axis, 60), 0);
            EXPECT_EQ(driver.load_rpsps(kServo4, axis, 1), 0);
            EXPECT_EQ(driver.load_target_pos(kServo4, axis, 4000), 0);
        }
        WatchTestPanel& panel = app.form<WatchTestPanel>();
        panel.axes = std::move(axes);
        panel.show();
        driver.mark();
        return panel;
    }
    void after(std::int64_t ms, std::function<void()> action) { program.runtime().schedule(ms, std::move(action)); }
    void run(WatchTestPanel& panel) { ASSERT_TRUE(user().click(panel.runcmd)); }
    bool panelLoaded() const { return app.loaded<WatchTestPanel>() != nullptr; }
    // The calls since the panel opened, the status polls left out.
    std::vector<std::string> commands()
    {
        std::vector<std::string> result;
        for (const CallRecord& call : program.driver().callsSinceMark())
            if (call.entry != "read_axis_stat") result.push_back(call.text());
        return result;
    }
    static std::string unstopped(int axis)
    {
        return "The test move on axis " + std::to_string(axis) +
               " of board 4 could not be stopped: " + StatusText(ZEVA_boardTimeoutError);
    }
};

TEST_F(WatchedMotionPanelTest, AMoveIsWatchedFromItsStartToItsEnd)
{
    WatchTestPanel& panel = open({2});
    EXPECT_FALSE(panel.watching());
    std::vector<std::int16_t> watchedDuringRun;
    after(300, [&] { watchedDuringRun = panel.watched().axes; });
    run(panel);
    EXPECT_THAT(watchedDuringRun, ElementsAre(2));
    EXPECT_EQ(panel.msgtxt.text(), "Move ended.");
    EXPECT_FALSE(panel.watching());

    // Nothing left to stop: the panel closes without a kill.
    EXPECT_TRUE(user().close(panel));
    EXPECT_THAT(commands(), ElementsAre("multi_start(4, 2)"));
}

TEST_F(WatchedMotionPanelTest, ClosingDuringAMoveKillsEveryWatchedAxisFirst)
{
    WatchTestPanel& panel = open({1, 2});
    bool closed = false;
    after(300, [&] { closed = user().close(panel); });
    run(panel);
    EXPECT_TRUE(closed);
    EXPECT_FALSE(panelLoaded());
    EXPECT_THAT(commands(), ElementsAre("multi_start(4, 3)", "kill_motion(4, 1)", "kill_motion(4, 2)"));
    // The run stopped following the axes once the panel was gone.
    EXPECT_EQ(program.driver().calls().back().entry, "kill_motion");
    EXPECT_THAT(errorMessages(), IsEmpty());
}

TEST_F(WatchedMotionPanelTest, AClosingIsRefusedWhileAKillFailsAndTheFailureNamesBoardAndAxis)
{
    WatchTestPanel& panel = open({1, 2});
    // Axis 1's kill goes through, axis 2's fails.
    program.driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 1, 1);
    bool closed = true;
    std::vector<std::int16_t> watchedAfterRefusal;
    after(300, [&] { closed = user().close(panel); });
    after(400, [&] { watchedAfterRefusal = panel.watched().axes; });
    run(panel);
    EXPECT_FALSE(closed);
    EXPECT_THAT(errorMessages(), ElementsAre(unstopped(2)));
    EXPECT_THAT(watchedAfterRefusal, ElementsAre(2));
    // The run went on watching axis 2 to the end of its move; then the panel closes freely.
    EXPECT_EQ(panel.msgtxt.text(), "Move ended.");
    EXPECT_TRUE(user().close(panel));
    EXPECT_THAT(commands(), ElementsAre("multi_start(4, 3)", "kill_motion(4, 1)", "kill_motion(4, 2)"));
}

TEST_F(WatchedMotionPanelTest, AMoveThePanelCannotFollowIsKilledAndTheOutcomeShown)
{
    WatchTestPanel& panel = open({1, 2});
    program.driver().injectFault("read_axis_stat", ZEVA_boardTimeoutError, 1, 1);
    run(panel);
    EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_boardTimeoutError) + "\r\nThe move was stopped.");
    EXPECT_FALSE(panel.watching());
    EXPECT_THAT(commands(), ElementsAre("multi_start(4, 3)", "kill_motion(4, 1)", "kill_motion(4, 2)"));
}

TEST_F(WatchedMotionPanelTest, AnUnstoppedMoveStaysWatchedAndANewStartWaitsForItsKill)
{
    WatchTestPanel& panel = open({1, 2});
    program.driver().injectFault("read_axis_stat", ZEVA_boardTimeoutError, 1);
    program.driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 1);
    run(panel);
    EXPECT_EQ(panel.msgtxt.text(), StatusText(ZEVA_boardTimeoutError) + "\r\nThe move could not be stopped.");
    EXPECT_THAT(panel.watched().axes, ElementsAre(1));

    // The next start tries the kill again and is refused while it fails.
    program.driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 1);
    run(panel);
    EXPECT_THAT(panel.watched().axes, ElementsAre(1));
    run(panel);
    EXPECT_EQ(panel.msgtxt.text(), "Move ended.");
    EXPECT_FALSE(panel.watching());
    EXPECT_THAT(errorMessages(), ElementsAre(unstopped(1), unstopped(1)));
    EXPECT_THAT(commands(), ElementsAre("multi_start(4, 3)", "kill_motion(4, 1)", "kill_motion(4, 2)",
                                        "kill_motion(4, 1)", "kill_motion(4, 1)", "multi_start(4, 3)"));
}

TEST_F(WatchedMotionPanelTest, ProgramEndDuringAMoveKillsEachAxisOnceAndEndsWhateverTheKillGives)
{
    WatchTestPanel& panel = open({1, 2});
    program.driver().injectFault("kill_motion", ZEVA_boardTimeoutError);
    after(300, [&] { program.runtime().endProgram(); });
    run(panel);
    EXPECT_TRUE(program.runtime().ended());
    EXPECT_FALSE(panelLoaded());
    EXPECT_THAT(commands(), ElementsAre("multi_start(4, 3)", "kill_motion(4, 1)", "kill_motion(4, 2)"));
}

TEST_F(WatchedMotionPanelTest, ProgramEndClosesAPanelWhoseAxisCannotBeStopped)
{
    WatchTestPanel& panel = open({1});
    program.driver().injectFault("read_axis_stat", ZEVA_boardTimeoutError, 1);
    program.driver().injectFault("kill_motion", ZEVA_boardTimeoutError);
    run(panel);
    EXPECT_FALSE(user().close(panel));

    program.runtime().endProgram();
    EXPECT_TRUE(program.runtime().ended());
    EXPECT_FALSE(panelLoaded());
    EXPECT_THAT(commands(), ElementsAre("multi_start(4, 1)", "kill_motion(4, 1)", "kill_motion(4, 1)",
                                        "kill_motion(4, 1)"));
}

} // namespace
} // namespace tarvik::testing
