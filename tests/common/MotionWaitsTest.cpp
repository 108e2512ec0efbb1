#include "common/HelperTestForm.h"

#include "common/MotionWaits.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "runtime/EndSignals.h"

#include <algorithm>
#include <csignal>

namespace tarvik::testing {
namespace {

constexpr std::int16_t kServo4 = 4, kClosedLoop4 = 6;

class MotionWaitsTest : public FormHelpersTest {
protected:
    MotionDriver& driver() { return program.driver(); }
    std::int64_t now() { return program.clock().nowMicros(); }

    // A servo move of 4000 counts at 4000 counts/s and 4000 counts/s²: it takes 2 s.
    void startServoMove(std::int16_t board, std::int16_t axis)
    {
        ASSERT_EQ(driver().load_rpm(board, axis, 60), 0);
        ASSERT_EQ(driver().load_rpsps(board, axis, 1), 0);
        ASSERT_EQ(driver().load_target_pos(board, axis, 4000), 0);
        ASSERT_EQ(driver().start_motion(board, axis), 0);
    }
    std::size_t callsOf(std::string_view entry)
    {
        const auto& calls = program.driver().calls();
        return static_cast<std::size_t>(
            std::count_if(calls.begin(), calls.end(), [&](const CallRecord& call) { return call.entry == entry; }));
    }
    std::int64_t firstCallTime(std::string_view entry)
    {
        for (const CallRecord& call : program.driver().calls())
            if (call.entry == entry) return call.timeMicros;
        return -1;
    }
};

TEST_F(MotionWaitsTest, CheckMoveStateTellsCleanEndsFaultsAndRunningMoves)
{
    const std::vector<std::pair<int, std::int16_t>> cases{
        {0x0400, MoveEndedClean},      // profile complete
        {0x0004, MoveEndedClean},      // motor off
        {0x0420, MoveEndedFaulted},    // following error
        {0x0402, MoveEndedFaulted},    // stopped on the home switch
        {0x0401, MoveEndedFaulted},    // stopped on a limit switch
        {0x0480, MoveStillRunning},    // running outweighs profile complete
        {0x00A0, MoveEndedFaulted},    // following error while running
        {0x0083, MoveStillRunning},    // switches while running do not count
        {0x0000, MoveStillRunning},
    };
    DriverStatus read = ZEVA_noError;
    for (const auto& [word, expected] : cases) {
        program.driver().scriptReturns("read_axis_stat", {static_cast<double>(word)}, 1);
        EXPECT_EQ(CheckMoveState(app, kServo4, 1, read), expected) << std::hex << word;
    }
    // A failing read is told apart, with its status.
    program.driver().injectFault("read_axis_stat", ZEVA_badDeviceOrAxisError, 1);
    EXPECT_EQ(CheckMoveState(app, kServo4, 1, read), MoveReadFailed);
    EXPECT_EQ(read, ZEVA_badDeviceOrAxisError);
    EXPECT_EQ(CheckMoveState(app, kServo4, 1, read), MoveEndedClean);
}

TEST_F(MotionWaitsTest, WaitMoveDoneReturnsWhenTheMoveEndsWithoutLettingEventsRun)
{
    bool eventRan = false;
    program.runtime().schedule(1, [&] { eventRan = true; });
    startServoMove(kServo4, 2);
    const std::int64_t start = now();

    EXPECT_EQ(WaitMoveDone(app, kServo4, 2), ZEVA_noError);
    EXPECT_NEAR(static_cast<double>(now() - start), 2e6, 2e3);
    DriverStatus read = ZEVA_noError;
    EXPECT_EQ(CheckMoveState(app, kServo4, 2, read), MoveEndedClean);
    EXPECT_FALSE(eventRan);
    EXPECT_TRUE(errorMessages().empty());
}

TEST_F(MotionWaitsTest, WaitMoveDoneGivesUpOnAFailingReadAtOnceAndKillsTheAxis)
{
    startServoMove(kServo4, 2);
    program.driver().injectFault("read_axis_stat", ZEVA_boardNotConfiguredError, 1, 3);
    EXPECT_EQ(WaitMoveDone(app, kServo4, 2), ZEVA_boardNotConfiguredError);
    EXPECT_EQ(callsOf("read_axis_stat"), 4U);
    EXPECT_EQ(callsOf("kill_motion"), 1U);
    DriverStatus read = ZEVA_noError;
    EXPECT_EQ(CheckMoveState(app, kServo4, 2, read), MoveEndedClean);
    EXPECT_EQ(errorMessages(), std::vector<std::string>{"The status of axis 2 of board 4 could not be read: " +
                                                        StatusText(ZEVA_boardNotConfiguredError) +
                                                        "\r\nThe move was killed."});
    EXPECT_EQ(WaitMoveDone(app, -1, 2), ZEVA_badDeviceOrAxisError);
}

TEST_F(MotionWaitsTest, WaitMoveDoneGivesUpAfterItsBoundKillsTheAxisAndNamesBoardAndAxis)
{
    program.driver().scriptReturns("read_axis_stat", {AxisStatusRunning});
    program.driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 1);
    answerErrorWindow();
    const std::int64_t start = now();

    EXPECT_EQ(WaitMoveDone(app, kServo4, 3), ZEVA_boardTimeoutError);
    EXPECT_GE(now() - start, kMoveDoneTimeoutMicros);
    EXPECT_LT(now() - start, kMoveDoneTimeoutMicros + 10'000);
    EXPECT_EQ(callsOf("kill_motion"), 1U);
    // A board that refuses the kill is named with its refusal.
    EXPECT_EQ(errorMessages(), std::vector<std::string>{"Axis 3 of board 4 did not finish its move within 60 seconds."
                                                        "\r\nThe move could not be killed: " +
                                                        StatusText(ZEVA_boardTimeoutError)});
}

// A wait that lets no events run still hears an end signal: it ends the program at once and
// kills the axis it was waiting on, saying nothing; an index search then gives no time-out.
TEST_F(MotionWaitsTest, AnEndSignalEndsTheWaitsWithoutEventsAndKillsTheirAxes)
{
    program.driver().scriptReturns("read_axis_stat", {AxisStatusRunning});
    EndSignals endSignals;
    program.runtime().watchEndSignals(&endSignals);
    std::raise(SIGTERM);
    const std::int64_t start = now();

    WaitMoveDone(app, kServo4, 3);
    EXPECT_LT(now() - start, 10'000);
    std::int16_t found = 0;
    EXPECT_EQ(WaitIndexSearch(app, kClosedLoop4, 3, found), kIndexSearchEndedByProgramEnd);
    program.runtime().watchEndSignals(nullptr);
    EXPECT_TRUE(program.runtime().endRequested());
    EXPECT_EQ(callsOf("kill_motion"), 2U);
    EXPECT_EQ(found, -1);
    EXPECT_TRUE(errorMessages().empty());
}

TEST_F(MotionWaitsTest, WaitMoveDoneEventsLetsEventsRunUntilTheMoveEnds)
{
    startServoMove(kServo4, 1);
    std::int64_t killedAt = -1;
    program.runtime().schedule(500, [&] {
        killedAt = now();
        driver().kill_motion(kServo4, 1);
    });
    const std::int64_t start = now();

    EXPECT_EQ(WaitMoveDoneEvents(app, kServo4, 1, [] { return false; }).kind, MoveWaitEnd::Kind::Done);
    EXPECT_GE(killedAt, start + 500'000);
    EXPECT_LT(now() - killedAt, 5'000);
}

TEST_F(MotionWaitsTest, WaitMoveDoneEventsEndsWhenItsWindowIsClosing)
{
    program.driver().scriptReturns("read_axis_stat", {AxisStatusRunning});
    bool closing = false;
    program.runtime().schedule(20, [&] { closing = true; });
    const std::int64_t start = now();

    EXPECT_EQ(WaitMoveDoneEvents(app, kServo4, 1, [&] { return closing; }).kind, MoveWaitEnd::Kind::Stopped);
    EXPECT_NEAR(static_cast<double>(now() - start), 20e3, 2e3);
}

TEST_F(MotionWaitsTest, WaitMoveDoneEventsEndsOnAFailingReadAndWhenTheProgramEnds)
{
    // A failing read ends it at once, with its status, and nothing shown yet.
    program.driver().injectFault("read_axis_stat", ZEVA_boardTimeoutError, 1);
    const MoveWaitEnd end = WaitMoveDoneEvents(app, kServo4, 1, nullptr);
    EXPECT_EQ(end.kind, MoveWaitEnd::Kind::ReadFailed);
    EXPECT_EQ(end.status, ZEVA_boardTimeoutError);
    EXPECT_TRUE(errorMessages().empty());

    program.driver().scriptReturns("read_axis_stat", {AxisStatusRunning});
    program.runtime().schedule(30, [&] { program.runtime().endProgram(); });
    EXPECT_EQ(WaitMoveDoneEvents(app, kServo4, 1, nullptr).kind, MoveWaitEnd::Kind::Stopped);
    EXPECT_TRUE(program.runtime().endRequested());
}

TEST_F(MotionWaitsTest, WaitIndexSearchFollowsTheSearchOnTheStatusRegister)
{
    // A closed-loop stepper searches for the index only on an axis running in closed loop.
    ASSERT_EQ(driver().set_loop_mode(kClosedLoop4, 3, LoopModeClosed), 0);
    for (bool indexPresent : {true, false}) {
        SCOPED_TRACE(indexPresent);
        ASSERT_TRUE(program.boards().setIndexPresent(kClosedLoop4, 3, indexPresent));
        std::int16_t found = 99;
        ASSERT_EQ(driver().find_index(kClosedLoop4, 3, DirectionForward, 0, found), 0);
        program.driver().clearLog();
        const std::int64_t start = now();

        found = 99;
        EXPECT_EQ(WaitIndexSearch(app, kClosedLoop4, 3, found), ZEVA_noError);
        EXPECT_EQ(found, indexPresent ? 0 : -1);
        EXPECT_GE(firstCallTime("read_csr") - start, kIndexSearchSettleMicros);
        EXPECT_EQ(callsOf("read_axis_stat"), 1U);
        DriverStatus read = ZEVA_noError;
        EXPECT_EQ(CheckMoveState(app, kClosedLoop4, 3, read), MoveEndedClean);
    }
}

TEST_F(MotionWaitsTest, WaitIndexSearchGoesOnWhenTheAxisNeverShowsRunning)
{
    program.driver().scriptReturns("read_csr", {CsrAxisMoveComplete(2)});
    program.driver().scriptReturns("read_axis_stat", {AxisStatusIndexFound | AxisStatusProfileComplete});
    std::int16_t found = 99;
    EXPECT_EQ(WaitIndexSearch(app, kServo4, 2, found), ZEVA_noError);
    EXPECT_EQ(found, 0);
    EXPECT_EQ(callsOf("read_csr"), static_cast<std::size_t>(kIndexSearchStartPolls) + 1);
}

TEST_F(MotionWaitsTest, WaitIndexSearchReturnsAFailingReadAndKeepsTheFlag)
{
    std::int16_t found = 7;
    // The register read fails while the search may run: the axis is killed.
    program.driver().injectFault("read_csr", ZEVA_boardNotConfiguredError, 1, 2);
    EXPECT_EQ(WaitIndexSearch(app, kServo4, 1, found), ZEVA_boardNotConfiguredError);
    EXPECT_EQ(found, 7);
    EXPECT_EQ(callsOf("kill_motion"), 1U);
    EXPECT_EQ(errorMessages(), std::vector<std::string>{"The status of axis 1 of board 4 could not be read: " +
                                                        StatusText(ZEVA_boardNotConfiguredError) +
                                                        "\r\nThe search was killed."});

    // The status read after the search's end fails: nothing runs any more.
    program.driver().scriptReturns("read_csr", {CsrAxisMoveComplete(1)});
    program.driver().injectFault("read_axis_stat", ZEVA_hardwareFailureError, 1);
    EXPECT_EQ(WaitIndexSearch(app, kServo4, 1, found), ZEVA_hardwareFailureError);
    EXPECT_EQ(found, 7);
    EXPECT_EQ(callsOf("kill_motion"), 1U);

    program.driver().clearLog();
    for (std::int16_t axis : std::initializer_list<std::int16_t>{0, 5, -1})
        EXPECT_EQ(WaitIndexSearch(app, kServo4, axis, found), ZEVA_badDeviceOrAxisError);
    EXPECT_TRUE(program.driver().calls().empty());
    EXPECT_EQ(found, 7);
}

TEST_F(MotionWaitsTest, WaitIndexSearchGivesUpAfterItsBoundKillsTheAxisAndReportsNoIndex)
{
    program.driver().scriptReturns("read_csr", {CsrAxisRunning(2)});
    answerErrorWindow();
    std::int16_t found = 0;
    const std::int64_t start = now();

    EXPECT_EQ(WaitIndexSearch(app, kServo4, 2, found), ZEVA_boardTimeoutError);
    EXPECT_EQ(found, -1);
    EXPECT_GE(now() - start, kIndexSearchTimeoutMicros);
    EXPECT_LT(now() - start, kIndexSearchTimeoutMicros + 20'000);
    EXPECT_EQ(errorMessages(), std::vector<std::string>{"Axis 2 of board 4 did not finish its index search within "
                                                        "120 seconds.\r\nThe search was killed."});
    EXPECT_EQ(callsOf("read_axis_stat"), 0U);
    EXPECT_EQ(callsOf("kill_motion"), 1U);
}

} // namespace
} // namespace tarvik::testing
