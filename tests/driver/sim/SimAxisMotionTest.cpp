#include "driver/sim/RawCommand.h"
#include "driver/sim/SimDriverFixture.h"
#include "driver/sim/SimUnits.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace tarvik::testing {
namespace {

using SimAxisMotionTest = SimDriverTest;

TEST_F(SimAxisMotionTest, EachBoardClassReachesItsTargetInTheTimeItsProfileImplies)
{
    // Servo, 3- and 4-axis, in RPM: 8000 counts at 4000 counts/s and 4000 counts/s² take 3 s.
    for (std::int16_t board : {kServo3, kServo4}) {
        slowServo(board, 2);
        moveTo(board, 2, 8000);
        EXPECT_NEAR(waitDone(board, 2), 3.0, 0.001) << "board " << board;
        EXPECT_EQ(position(board, 2), 8000);
    }
    // Servo in board units: the velocity word is counts per 0.000341 s sample times 65536.
    ASSERT_EQ(driver.load_vel(kServo4, 1, 89391), 0); // ~4000 counts/s
    ASSERT_EQ(driver.load_accel(kServo4, 1, 30), 0);  // ~3.9 million / 1000 → ~3941 counts/s²
    moveTo(kServo4, 1, 1000);
    const double accel = servoAccelerationToCountsPerSecond2(30);
    EXPECT_NEAR(waitDone(kServo4, 1), 2 * std::sqrt(1000 / accel), 0.001);
    // Steppers, open and closed loop, in steps/s: 3000 steps at 1000 steps/s and 1000 steps/s²
    // take 1 s up, 2 s cruising, 1 s down; a relative move of 500 is triangular (2 × √0.5 s).
    for (std::int16_t board : {kOpenLoop3, kClosedLoop3, kOpenLoop4, kClosedLoop4}) {
        ASSERT_EQ(driver.load_vel(board, 1, 1000), 0);
        ASSERT_EQ(driver.load_accel(board, 1, 1000), 0);
        moveTo(board, 1, 3000);
        EXPECT_NEAR(waitDone(board, 1), 4.0, 0.001) << "board " << board;
        ASSERT_EQ(driver.set_pos_mode(board, 1, PosModeRelative), 0);
        moveTo(board, 1, -500);
        EXPECT_NEAR(waitDone(board, 1), 2 * std::sqrt(0.5), 0.001);
        EXPECT_EQ(position(board, 1), 2500);
    }
}

TEST_F(SimAxisMotionTest, StartSetsRunningAtOnceAndReadBackFollowsTheProfile)
{
    slowServo(kServo3, 1);
    moveTo(kServo3, 1, 8000);
    const std::int16_t word = status(kServo3, 1);
    EXPECT_TRUE(hasBits(word, AxisStatusRunning | AxisStatusForward));
    EXPECT_FALSE(hasBits(word, AxisStatusProfileComplete));
    clock.advance(1'500'000 - 2 * kCallCost);
    EXPECT_EQ(position(kServo3, 1), 4000);
    // A servo board measures RPM in steps of 21994.1 / encoder lines (one count per two sample
    // periods): at 60 RPM the readings fall on the two steps around it and average to 60.
    const double step = 21994.1 / 1000;
    double sum = 0;
    for (int poll = 0; poll < 100; ++poll) {
        double rpm = 0;
        ASSERT_EQ(driver.read_rpm(kServo3, 1, rpm), 0);
        EXPECT_TRUE(std::abs(rpm - 2 * step) < 0.01 || std::abs(rpm - 3 * step) < 0.01) << rpm;
        sum += rpm;
    }
    EXPECT_NEAR(sum / 100, 60, 2.5);
    std::int32_t steps = 0;
    EXPECT_EQ(driver.read_steps_vel(kServo3, 1, steps), 0);
    EXPECT_EQ(steps, 4000);
    std::int16_t velocity = 0;
    EXPECT_EQ(driver.read_vel(kServo3, 1, velocity), 0);
    EXPECT_EQ(velocity, servoReadVelocity(4000));
}

TEST_F(SimAxisMotionTest, RestartFromMotionIsContinuousAndEndsOnTheNewTarget)
{
    slowServo(kServo4, 1);
    moveTo(kServo4, 1, 8000);
    clock.advance(1'500'000);
    const std::int32_t before = position(kServo4, 1);
    moveTo(kServo4, 1, 0);
    EXPECT_NEAR(position(kServo4, 1), before, 2);
    // The measured speed carries on across the restart (still about 60 RPM forward), though
    // the board's two-period window reaches back before it.
    for (int poll = 0; poll < 8; ++poll) {
        double rpm = 0;
        ASSERT_EQ(driver.read_rpm(kServo4, 1, rpm), 0);
        EXPECT_NEAR(rpm, 60, 21994.1 / 1000) << "poll " << poll;
    }
    waitDone(kServo4, 1);
    EXPECT_EQ(position(kServo4, 1), 0);
    EXPECT_FALSE(hasBits(status(kServo4, 1), AxisStatusForward));
}

TEST_F(SimAxisMotionTest, VelocityModeRunsUntilStoppedAndSpeedCanChangeOnTheFly)
{
    slowServo(kServo4, 3);
    ASSERT_EQ(driver.set_pos_mode(kServo4, 3, PosModeVelocity), 0);
    ASSERT_EQ(driver.set_direction(kServo4, 3, DirectionReverse), 0);
    ASSERT_EQ(driver.start_motion(kServo4, 3), 0);
    clock.advance(100'000'000);
    EXPECT_TRUE(hasBits(status(kServo4, 3), AxisStatusRunning | AxisStatusVelocityMode));
    EXPECT_FALSE(hasBits(status(kServo4, 3), AxisStatusForward));
    ASSERT_EQ(driver.load_rpm(kServo4, 3, 120), 0);
    ASSERT_EQ(driver.start_motion(kServo4, 3), 0);
    clock.advance(5'000'000);
    double rpm = 0;
    ASSERT_EQ(driver.read_rpm(kServo4, 3, rpm), 0);
    EXPECT_NEAR(rpm, -120, 21994.1 / 1000);
    ASSERT_EQ(driver.stop_motion(kServo4, 3), 0);
    EXPECT_NEAR(waitDone(kServo4, 3), 2.0, 0.001); // decelerates from 8000 counts/s at 4000/s²

    // A stepper's incremental velocity change acts on the running move.
    ASSERT_EQ(driver.set_pos_mode(kOpenLoop4, 1, PosModeVelocity), 0);
    ASSERT_EQ(driver.start_motion(kOpenLoop4, 1), 0);
    clock.advance(2'000'000);
    ASSERT_EQ(driver.load_vel_change(kOpenLoop4, 1, 500), 0);
    clock.advance(2'000'000);
    std::int32_t steps = 0;
    ASSERT_EQ(driver.read_steps_vel(kOpenLoop4, 1, steps), 0);
    EXPECT_EQ(steps, 1500);
}

TEST_F(SimAxisMotionTest, EveryWayAMoveEndsLeavesTheMoveDoneRuleTrueAndTheNextStartClearsTheEvent)
{
    struct Ending {
        const char* name;
        std::function<void()> before; // runs before a move from 0 to 8000
        std::function<void()> during; // runs 0.5 s into it
        std::uint16_t latched;
    };
    const std::vector<Ending> endings{
        {"target reached", [] {}, [] {}, 0},
        {"decel stop", [] {}, [&] { driver.stop_motion(kServo4, 2); }, 0},
        {"kill", [] {}, [&] { driver.kill_motion(kServo4, 2); }, AxisStatusMotorOff},
        {"forward limit", [] {}, [&] { driver.setLimitSwitches(kServo4, 2, -100000, 1000); }, AxisStatusLimitSwitch},
        {"following error", [&] { driver.failNextMove(kServo4, 2); }, [] {},
         AxisStatusPositionError | AxisStatusMotorOff},
    };
    for (const Ending& ending : endings) {
        driver.setLimitSwitches(kServo4, 2, -1'000'000, 1'000'000);
        ASSERT_EQ(driver.reset_pos(kServo4, 2), 0);
        slowServo(kServo4, 2);
        ending.before();
        moveTo(kServo4, 2, 8000);
        clock.advance(500'000);
        ending.during();
        ASSERT_GE(waitDone(kServo4, 2), 0) << ending.name;
        const std::int16_t word = status(kServo4, 2);
        EXPECT_TRUE(AxisMoveDone(word)) << ending.name;
        EXPECT_EQ(static_cast<std::uint16_t>(word)
                      & (AxisStatusLimitSwitch | AxisStatusPositionError | AxisStatusMotorOff),
                  ending.latched)
            << ending.name;
        EXPECT_TRUE(hasBits(csr(kServo4), CsrAxisMoveComplete(2))) << ending.name;
        EXPECT_FALSE(hasBits(csr(kServo4), CsrAxisRunning(2))) << ending.name;
    }
    // The next start clears the latched events, turns the motor on and sets Running again.
    driver.setLimitSwitches(kServo4, 2, -1'000'000, 1'000'000);
    moveTo(kServo4, 2, 0);
    const std::int16_t word = status(kServo4, 2);
    EXPECT_EQ(static_cast<std::uint16_t>(word)
                  & (AxisStatusPositionError | AxisStatusMotorOff | AxisStatusProfileComplete),
              0);
    EXPECT_TRUE(hasBits(word, AxisStatusRunning));
    EXPECT_TRUE(hasBits(csr(kServo4), CsrAxisRunning(2)));
    EXPECT_FALSE(hasBits(csr(kServo4), CsrAxisMoveComplete(2)));
}

TEST_F(SimAxisMotionTest, LimitsStopOnlyWhenEnabledAndAStartIntoAnActiveLimitEndsAtOnce)
{
    driver.setLimitSwitches(kOpenLoop3, 1, -500, 500);
    moveTo(kOpenLoop3, 1, 2000);
    waitDone(kOpenLoop3, 1);
    EXPECT_EQ(position(kOpenLoop3, 1), 500);
    EXPECT_TRUE(hasBits(status(kOpenLoop3, 1), AxisStatusLimitSwitch | AxisStatusProfileComplete));
    moveTo(kOpenLoop3, 1, 2000);
    EXPECT_TRUE(AxisMoveDone(status(kOpenLoop3, 1)));
    EXPECT_EQ(position(kOpenLoop3, 1), 500);
    moveTo(kOpenLoop3, 1, 0); // away from the limit
    waitDone(kOpenLoop3, 1);
    EXPECT_EQ(position(kOpenLoop3, 1), 0);
    // Limit inputs switched off: axis 1's bits of a 3-axis limit word are 0x10, 0x20 and 0x400.
    ASSERT_EQ(driver.enable_limits(kOpenLoop3, 0x07FF & ~0x0020), 0);
    moveTo(kOpenLoop3, 1, 2000);
    waitDone(kOpenLoop3, 1);
    EXPECT_EQ(position(kOpenLoop3, 1), 2000);
}

TEST_F(SimAxisMotionTest, MultiStartStartsTheNamedAxesTogetherOrNone)
{
    // 3-axis boards take a code per axis pair or triple, 4-axis boards a bit per axis.
    struct Case {
        std::int16_t board;
        std::int16_t value;
        std::vector<std::int16_t> axes; // none: refused as a bad argument
    };
    const std::vector<Case> cases{
        {kServo3, 1, {1, 2}},          {kOpenLoop3, 2, {2, 3}},        {kClosedLoop3, 3, {1, 3}},
        {kServo3, 4, {1, 2, 3}},       {kOpenLoop3, 0, {}},            {kClosedLoop3, 5, {}},
        {kServo3, 7, {}},              {kServo3, -1, {}},              {kServo4, 0b1111, {1, 2, 3, 4}},
        {kOpenLoop4, 0b0101, {1, 3}},  {kClosedLoop4, 0b1000, {4}},    {kServo4, 0x10, {}},
        {kOpenLoop4, 0, {}},           {kClosedLoop4, -1, {}},
    };
    for (const Case& c : cases) {
        const std::int16_t axes = c.board >= kServo4 ? 4 : 3;
        for (std::int16_t axis = 1; axis <= axes; ++axis)
            ASSERT_EQ(driver.set_pos_mode(c.board, axis, PosModeVelocity), 0);
        EXPECT_EQ(driver.multi_start(c.board, c.value), c.axes.empty() ? ZEVA_argumentRangeError : 0)
            << "board " << c.board << " value " << c.value;
        for (std::int16_t axis = 1; axis <= axes; ++axis) {
            const bool named = std::find(c.axes.begin(), c.axes.end(), axis) != c.axes.end();
            EXPECT_EQ(hasBits(status(c.board, axis), AxisStatusRunning), named)
                << "board " << c.board << " value " << c.value << " axis " << axis;
            ASSERT_EQ(driver.kill_motion(c.board, axis), 0);
            ASSERT_EQ(driver.set_pos_mode(c.board, axis, PosModeAbsolute), 0);
        }
    }

    for (std::int16_t axis = 1; axis <= 4; ++axis)
        ASSERT_EQ(driver.load_target_pos(kServo4, axis, 4000), 0);
    ASSERT_EQ(driver.load_vel(kServo4, 4, 0), 0);
    ASSERT_EQ(driver.load_accel(kServo4, 3, 0), 0);
    // The status is the failing axis's, and no axis moves, the ones before it included.
    EXPECT_EQ(driver.multi_start(kServo4, 0b1010), ZEVA_velocityRangeError); // axis 4 cannot move
    EXPECT_EQ(driver.multi_start(kServo4, 0b0111), ZEVA_accelerationRangeError); // nor can axis 3
    clock.advance(1'000'000);
    for (std::int16_t axis = 1; axis <= 4; ++axis) {
        EXPECT_EQ(position(kServo4, axis), 0) << "axis " << axis;
        EXPECT_FALSE(hasBits(status(kServo4, axis), AxisStatusRunning)) << "axis " << axis;
    }
    ASSERT_EQ(driver.multi_start(kServo4, 0b0011), 0);
    EXPECT_TRUE(hasBits(status(kServo4, 1), AxisStatusRunning));
    EXPECT_TRUE(hasBits(status(kServo4, 2), AxisStatusRunning));
    EXPECT_EQ(driver.multi_start(kServo4, 0x10), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.multi_start(kServo4, 0), ZEVA_argumentRangeError);
}

TEST_F(SimAxisMotionTest, KillReachesEveryAxisOfEveryMotionBoardType)
{
    // Two-axis models are addressed with four axes like their four-axis group.
    std::vector<SimBoardSpec> boards;
    for (std::int16_t code = 0; code <= kHighestTypeCode; ++code)
        if (groupOf(code) && classOf(code) != BoardClass::Encoder)
            boards.push_back({static_cast<std::int16_t>(boards.size()), code, 0x300, {}});
    ASSERT_EQ(boards.size(), 23u);
    SimulatedDriver all(clock, boards);
    for (const SimBoardSpec& board : boards) {
        const std::int16_t axes = board.typeCode <= 2 ? 3 : 4;
        for (std::int16_t axis = 1; axis <= axes; ++axis) {
            ASSERT_EQ(all.set_pos_mode(board.id, axis, PosModeVelocity), 0);
            ASSERT_EQ(all.start_motion(board.id, axis), 0);
            EXPECT_EQ(all.kill_motion(board.id, axis), 0) << "type " << board.typeCode << " axis " << axis;
            std::int16_t word = 0;
            ASSERT_EQ(all.read_axis_stat(board.id, axis, word), 0);
            EXPECT_TRUE(AxisMoveDone(word) && hasBits(word, AxisStatusMotorOff))
                << "type " << board.typeCode << " axis " << axis;
        }
        EXPECT_EQ(all.kill_motion(board.id, static_cast<std::int16_t>(axes + 1)), ZEVA_badDeviceOrAxisError)
            << "type " << board.typeCode;
    }
}

TEST_F(SimAxisMotionTest, FollowingErrorOverItsLimitTurnsTheMotorOff)
{
    // The error is what the axis travels in a millisecond: a limit of 5 counts holds to 5000
    // counts/s. At 60 RPM (4000 counts/s) the move ends normally.
    slowServo(kServo4, 2);
    ASSERT_EQ(driver.load_fol_err(kServo4, 2, 5), 0);
    moveTo(kServo4, 2, 8000);
    EXPECT_NEAR(waitDone(kServo4, 2), 3.0, 0.001);
    EXPECT_FALSE(hasBits(status(kServo4, 2), AxisStatusPositionError));
    // At 120 RPM, ramping at 4000 counts/s², the axis passes 5000 counts/s after 1.25 s.
    ASSERT_EQ(driver.load_rpm(kServo4, 2, 120), 0);
    moveTo(kServo4, 2, 40000);
    EXPECT_NEAR(waitDone(kServo4, 2), 1.25, 0.001);
    std::int16_t word = status(kServo4, 2);
    EXPECT_TRUE(hasBits(word, AxisStatusPositionError) && hasBits(word, AxisStatusMotorOff));
    EXPECT_FALSE(hasBits(word, AxisStatusProfileComplete));
    EXPECT_EQ(position(kServo4, 2), 8000 + 3125);
    // A wider limit lets the move run; narrowing it under the running axis stops it at once.
    ASSERT_EQ(driver.load_fol_err(kServo4, 2, 10), 0);
    moveTo(kServo4, 2, 80000);
    clock.advance(3'000'000);
    EXPECT_TRUE(hasBits(status(kServo4, 2), AxisStatusRunning));
    ASSERT_EQ(driver.load_fol_err(kServo4, 2, 7), 0);
    word = status(kServo4, 2);
    EXPECT_TRUE(AxisMoveDone(word) && hasBits(word, AxisStatusPositionError));

    // Closed-loop steppers check it only while their loop is closed (1000 steps/s² ramps).
    ASSERT_EQ(driver.load_fol_err(kClosedLoop4, 1, 1), 0);
    ASSERT_EQ(driver.load_vel(kClosedLoop4, 1, 2000), 0);
    moveTo(kClosedLoop4, 1, 5000);
    EXPECT_GT(waitDone(kClosedLoop4, 1), 3.0);
    EXPECT_FALSE(hasBits(status(kClosedLoop4, 1), AxisStatusPositionError));
    ASSERT_EQ(driver.set_loop_mode(kClosedLoop4, 1, LoopModeClosed), 0);
    moveTo(kClosedLoop4, 1, 0);
    EXPECT_NEAR(waitDone(kClosedLoop4, 1), 1.0, 0.001);
    EXPECT_TRUE(hasBits(status(kClosedLoop4, 1), AxisStatusPositionError));
}

TEST_F(SimAxisMotionTest, BaseVelocityStartsAndEndsAStepperMoveAtSpeed)
{
    // 3000 steps at 1000 steps/s and 1000 steps/s² from a base of 500: 0.5 s up, 2.25 s
    // cruising, 0.5 s down.
    ASSERT_EQ(driver.set_base_vel(kOpenLoop3, 1, 500), 0);
    moveTo(kOpenLoop3, 1, 3000);
    std::int32_t steps = 0;
    ASSERT_EQ(driver.read_steps_vel(kOpenLoop3, 1, steps), 0);
    EXPECT_EQ(steps, 500);
    EXPECT_NEAR(waitDone(kOpenLoop3, 1), 3.25, 0.001);
    EXPECT_EQ(position(kOpenLoop3, 1), 3000);
    // A decelerating stop ramps down to the base velocity and stops there.
    ASSERT_EQ(driver.set_pos_mode(kOpenLoop3, 1, PosModeVelocity), 0);
    ASSERT_EQ(driver.start_motion(kOpenLoop3, 1), 0);
    clock.advance(2'000'000);
    ASSERT_EQ(driver.stop_motion(kOpenLoop3, 1), 0);
    EXPECT_NEAR(waitDone(kOpenLoop3, 1), 0.5, 0.001);
    // A base velocity above the velocity runs the whole move at the velocity.
    ASSERT_EQ(driver.set_base_vel(kClosedLoop4, 2, 5000), 0);
    ASSERT_EQ(driver.load_vel(kClosedLoop4, 2, 200), 0);
    moveTo(kClosedLoop4, 2, 1000);
    EXPECT_NEAR(waitDone(kClosedLoop4, 2), 5.0, 0.001);
}

TEST_F(SimAxisMotionTest, ExtremeDialogValuesMoveAndCompareWithoutOverflow)
{
    // The most negative target at the fastest velocity and acceleration the dialogs send.
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    constexpr std::int32_t highest = std::numeric_limits<std::int32_t>::max();
    ASSERT_EQ(driver.enable_limits(kClosedLoop4, 0), 0);
    ASSERT_EQ(driver.load_vel(kClosedLoop4, 3, 16777215), 0);
    ASSERT_EQ(driver.load_accel(kClosedLoop4, 3, 5242879), 0);
    moveTo(kClosedLoop4, 3, lowest);
    EXPECT_FALSE(hasBits(status(kClosedLoop4, 3), AxisStatusForward));
    clock.advance(200'000'000);
    EXPECT_TRUE(AxisMoveDone(status(kClosedLoop4, 3)));
    EXPECT_EQ(position(kClosedLoop4, 3), lowest);
    // in_pos compares in a wide type: lowest and highest are 2^32 - 1 apart, not 1. Both ends
    // of the deadband count.
    struct Case {
        std::int32_t position, deadband, result;
    };
    for (const Case& c : {Case{highest, 10, SimulatedDriver::kNotInPosition},
                          Case{highest, highest, SimulatedDriver::kNotInPosition},
                          Case{lowest + 10, 10, SimulatedDriver::kInPosition},
                          Case{lowest + 11, 10, SimulatedDriver::kNotInPosition},
                          Case{lowest, 0, SimulatedDriver::kInPosition},
                          Case{lowest, -1, SimulatedDriver::kNotInPosition}}) {
        std::int32_t result = -5;
        ASSERT_EQ(driver.in_pos(kClosedLoop4, 3, c.position, c.deadband, result), 0);
        EXPECT_EQ(result, c.result) << c.position << " within " << c.deadband;
    }
    // The dialog's widest band around an axis at 0.
    std::int32_t result = -5;
    ASSERT_EQ(driver.in_pos(kServo3, 1, 1073741823, 1073741823, result), 0);
    EXPECT_EQ(result, SimulatedDriver::kInPosition);
    ASSERT_EQ(driver.in_pos(kServo3, 1, -1073741824, 1073741823, result), 0);
    EXPECT_EQ(result, SimulatedDriver::kNotInPosition);
}

TEST_F(SimAxisMotionTest, HomeSearchStopsOnTheHomeSwitchOrRunsIntoTheLimitTheOtherWay)
{
    slowServo(kServo3, 1);
    ASSERT_EQ(driver.find_home(kServo3, 1, DirectionForward), 0);
    EXPECT_TRUE(hasBits(status(kServo3, 1), AxisStatusRunning));
    EXPECT_EQ(driver.find_home(kServo3, 1, DirectionForward), ZEVA_axisRunningError);
    waitDone(kServo3, 1);
    EXPECT_EQ(position(kServo3, 1), 8000);
    EXPECT_TRUE(hasBits(status(kServo3, 1), AxisStatusHomeSwitch | AxisStatusProfileComplete));

    driver.setLimitSwitches(kServo3, 2, -3000, 3000);
    driver.setHomeSwitch(kServo3, 2, 1000);
    slowServo(kServo3, 2);
    ASSERT_EQ(driver.find_home(kServo3, 2, DirectionReverse), 0);
    waitDone(kServo3, 2);
    EXPECT_EQ(position(kServo3, 2), -3000);
    const std::int16_t word = status(kServo3, 2);
    EXPECT_TRUE(hasBits(word, AxisStatusLimitSwitch | AxisStatusProfileComplete));
    EXPECT_FALSE(hasBits(word, AxisStatusHomeSwitch));
}

TEST_F(SimAxisMotionTest, IndexSearchOnThreeAxisBoardsIsDecidedAtTheCall)
{
    slowServo(kServo3, 1);
    std::int16_t found = 99;
    ASSERT_EQ(driver.find_index(kServo3, 1, DirectionForward, 100, found), 0);
    EXPECT_EQ(found, 0);
    waitDone(kServo3, 1);
    EXPECT_EQ(position(kServo3, 1), 4100); // next index at one revolution (4 × 1000 lines) + offset
    EXPECT_TRUE(hasBits(status(kServo3, 1), AxisStatusIndexFound | AxisStatusProfileComplete));

    driver.setIndexPresent(kServo3, 1, false);
    ASSERT_EQ(driver.find_index(kServo3, 1, DirectionReverse, 0, found), 0);
    EXPECT_EQ(found, -1);
    waitDone(kServo3, 1);
    EXPECT_EQ(position(kServo3, 1), 100);
    EXPECT_FALSE(hasBits(status(kServo3, 1), AxisStatusIndexFound));

    // A limit before the index: the search cannot find it.
    driver.setIndexPresent(kServo3, 1, true);
    driver.setLimitSwitches(kServo3, 1, -1000, 2000);
    ASSERT_EQ(driver.find_index(kServo3, 1, DirectionForward, 0, found), 0);
    EXPECT_EQ(found, -1);
}

TEST_F(SimAxisMotionTest, IndexPulsesSitAtTheirOffsetWithinTheRevolution)
{
    slowServo(kServo3, 2); // 4000 counts per revolution
    ASSERT_TRUE(driver.setIndexOffset(kServo3, 2, 1000));
    std::int16_t found = 99;
    ASSERT_EQ(driver.find_index(kServo3, 2, DirectionForward, 0, found), 0);
    EXPECT_EQ(found, 0);
    waitDone(kServo3, 2);
    EXPECT_EQ(position(kServo3, 2), 1000);
    // Standing on a pulse, the search goes on to the next one.
    ASSERT_EQ(driver.find_index(kServo3, 2, DirectionReverse, 0, found), 0);
    waitDone(kServo3, 2);
    EXPECT_EQ(position(kServo3, 2), -3000);
    // An offset of more than a revolution is its phase within one; the search's own offset adds.
    ASSERT_TRUE(driver.setIndexOffset(kServo3, 2, 2 * 4000 + 500));
    ASSERT_EQ(driver.find_index(kServo3, 2, DirectionForward, 20, found), 0);
    waitDone(kServo3, 2);
    EXPECT_EQ(position(kServo3, 2), 520);
    EXPECT_FALSE(driver.setIndexOffset(kServo3, 4, 0));
}

TEST_F(SimAxisMotionTest, IndexSearchOnFourAxisBoardsIsFollowedThroughTheCommStatusRegister)
{
    ASSERT_EQ(driver.set_loop_mode(kClosedLoop4, 3, LoopModeClosed), 0);
    std::int16_t found = 0;
    ASSERT_EQ(driver.find_index(kClosedLoop4, 3, DirectionForward, 0, found), 0);
    EXPECT_EQ(csr(kClosedLoop4) & (CsrAxisRunning(3) | CsrAxisMoveComplete(3)), CsrAxisRunning(3));
    // Polled as the program's index wait does: until running is clear and move complete set.
    while ((csr(kClosedLoop4) & (CsrAxisRunning(3) | CsrAxisMoveComplete(3))) != CsrAxisMoveComplete(3)) {
    }
    EXPECT_TRUE(hasBits(status(kClosedLoop4, 3), AxisStatusIndexFound));
    EXPECT_EQ(position(kClosedLoop4, 3), 2000); // 2000 steps per revolution
}

TEST_F(SimAxisMotionTest, ResetPositionKeepsTheMachineWhereItIs)
{
    moveTo(kOpenLoop4, 2, 1500);
    waitDone(kOpenLoop4, 2);
    ASSERT_EQ(driver.reset_pos(kOpenLoop4, 2), 0);
    EXPECT_EQ(position(kOpenLoop4, 2), 0);
    ASSERT_EQ(driver.find_home(kOpenLoop4, 2, DirectionForward), 0); // home switch at table 8000
    waitDone(kOpenLoop4, 2);
    EXPECT_EQ(position(kOpenLoop4, 2), 6500);
    std::int16_t limits = 0;
    ASSERT_EQ(driver.read_lim_stat(kOpenLoop4, limits), 0);
    EXPECT_EQ(limits, static_cast<std::int16_t>(LimitHome(2, 4)));
}

TEST_F(SimAxisMotionTest, ClosedLoopStepperEncoderCountsFollowLinesAndSteps)
{
    ASSERT_EQ(driver.load_steps_lines(kClosedLoop3, 1, 1000 * 65536 + 2000), 0);
    moveTo(kClosedLoop3, 1, 1000);
    waitDone(kClosedLoop3, 1);
    std::int32_t encoder = 0;
    ASSERT_EQ(driver.read_encoder(kClosedLoop3, 1, encoder), 0);
    EXPECT_EQ(encoder, 2000); // 4 × 1000 lines per 2000 steps
    // The same counts into the Return Data Buffer, as axis, command and data.
    ASSERT_EQ(driver.read_encoder_rdb(kClosedLoop3, 1), 0);
    const ReturnDataBuffer::Packet packet = takePacket(kClosedLoop3);
    EXPECT_EQ(packet.axis, 1);
    EXPECT_EQ(packet.command, kCommandReadEncoder);
    EXPECT_EQ(packet.data, 2000);
    EXPECT_EQ(driver.read_encoder(kOpenLoop3, 1, encoder), ZEVA_closedLoopStepperOnlyError);
    EXPECT_EQ(encoder, 2000);
}

TEST_F(SimAxisMotionTest, EncoderBoardAxesCountAsTheMachineTurnsThem)
{
    ASSERT_TRUE(driver.setEncoderRate(kEncoder, 2, 4000));
    clock.advance(500'000 - kCallCost);
    EXPECT_EQ(position(kEncoder, 2), 2000);
    EXPECT_EQ(position(kEncoder, 1), 0);
    double rpm = 0;
    ASSERT_EQ(driver.read_rpm(kEncoder, 2, rpm), 0); // 4000 counts per revolution
    EXPECT_NEAR(rpm, 60, 21994.1 / 1000);
    // Counting goes on from a reset; a new rate takes over from where the counts are.
    ASSERT_EQ(driver.reset_pos(kEncoder, 2), 0);
    ASSERT_TRUE(driver.setEncoderRate(kEncoder, 2, -1000));
    clock.advance(1'000'000 - kCallCost);
    EXPECT_EQ(position(kEncoder, 2), -1000);
    ASSERT_TRUE(driver.setEncoderRate(kEncoder, 2, 0));
    clock.advance(1'000'000);
    EXPECT_EQ(position(kEncoder, 2), -1000);
    // Axes that their board moves are not turned from outside.
    EXPECT_FALSE(driver.setEncoderRate(kServo4, 1, 100));
    EXPECT_FALSE(driver.setEncoderRate(kEncoder, 5, 100));
}

TEST_F(SimAxisMotionTest, PrestoredStartWaitsForItsTrigger)
{
    moveTo(kServo4, 1, 0); // nothing to do; leaves the axis idle
    ASSERT_EQ(driver.load_target_pos(kServo4, 1, 5000), 0);
    ASSERT_EQ(driver.begin_prestore(kServo4, 2), 0);
    EXPECT_EQ(driver.begin_prestore(kServo4, 3), ZEVA_prestoreActiveError);
    ASSERT_EQ(driver.start_motion(kServo4, 1), 0);
    ASSERT_EQ(driver.trig_buff_delim(kServo4), 0);
    ASSERT_EQ(driver.kill_motion(kServo4, 1), 0);
    ASSERT_EQ(driver.end_prestore(kServo4), 0);
    EXPECT_FALSE(hasBits(status(kServo4, 1), AxisStatusRunning));
    ASSERT_EQ(driver.trigger_io(kServo4, 2), 0);
    EXPECT_TRUE(hasBits(status(kServo4, 1), AxisStatusRunning));
    ASSERT_EQ(driver.trigger_io(kServo4, 2), 0); // the group after the delimiter: the kill
    EXPECT_TRUE(hasBits(status(kServo4, 1), AxisStatusMotorOff));
    EXPECT_EQ(driver.end_prestore(kServo4), ZEVA_prestoreInactiveError);
}

} // namespace
} // namespace tarvik::testing
