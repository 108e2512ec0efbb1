// What the settings an axis keeps (stop mode, servo loop values, following error limit, counts
// per revolution, loop mode, reference offset) do on the simulated boards.
#include "driver/sim/SimDriverFixture.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tarvik::testing {
namespace {

using SimAxisSettingsTest = SimDriverTest;

TEST_F(SimAxisSettingsTest, EachSettingTakesTheWholeRangeItsDialogsSendAndRefusesTheNextValueOut)
{
    using Load = std::function<DriverStatus(MotionDriver&, std::int16_t board, std::int32_t value)>;
    using Entry16 = DriverStatus (MotionDriver::*)(std::int16_t, std::int16_t, std::int16_t);
    using Entry32 = DriverStatus (MotionDriver::*)(std::int16_t, std::int16_t, std::int32_t);
    // The entry point for axis 1, the value cut to the argument's width.
    const auto load16 = [](Entry16 entry) -> Load {
        return [entry](MotionDriver& d, std::int16_t b, std::int32_t v) {
            return (d.*entry)(b, 1, static_cast<std::int16_t>(v));
        };
    };
    const auto load32 = [](Entry32 entry) -> Load {
        return [entry](MotionDriver& d, std::int16_t b, std::int32_t v) { return (d.*entry)(b, 1, v); };
    };
    struct Row {
        const char* call;
        Load load;
        std::vector<std::int16_t> boards;
        std::int32_t lowest, highest;
        std::optional<std::int32_t> below, above; // none: the argument type holds no such value
        DriverStatus refusal;
    };
    const std::vector<std::int16_t> motion{kServo3, kOpenLoop3, kClosedLoop3, kServo4, kOpenLoop4, kClosedLoop4};
    const std::vector<std::int16_t> servo{kServo3, kServo4};
    const std::vector<std::int16_t> closedLoop{kServo3, kClosedLoop3, kServo4, kClosedLoop4};
    const std::vector<std::int16_t> stepper{kOpenLoop3, kClosedLoop3, kOpenLoop4, kClosedLoop4};
    const std::vector<std::int16_t> clStepper{kClosedLoop3, kClosedLoop4};
    constexpr DriverStatus range = ZEVA_argumentRangeError;
    const std::vector<Row> rows{
        {"set_stop_mode", load16(&MotionDriver::set_stop_mode), motion, StopModeDecel, StopModeKill, 0, 4,
         ZEVA_stopModeError},
        {"load_prop_gain", load16(&MotionDriver::load_prop_gain), servo, 0, 32767, -1, std::nullopt, range},
        {"load_intg_gain", load16(&MotionDriver::load_intg_gain), servo, 0, 32767, -1, std::nullopt, range},
        {"load_deriv_gain", load16(&MotionDriver::load_deriv_gain), servo, 0, 32767, -1, std::nullopt, range},
        // Load PID All sends a sample period of 0 too.
        {"load_deriv_per", load16(&MotionDriver::load_deriv_per), servo, 0, 255, -1, 256, range},
        {"load_intg_lim", load16(&MotionDriver::load_intg_lim), servo, 0, 32767, -1, std::nullopt, range},
        {"load_fol_err", load32(&MotionDriver::load_fol_err), servo, 1, 32767, 0, 32768, range},
        {"load_fol_err", load32(&MotionDriver::load_fol_err), clStepper, 1, 65535, 0, 65536, range},
        // The whole range of the index search's 16-bit offset; the dialog sends -32767 to 32766.
        {"load_pos_ref", load32(&MotionDriver::load_pos_ref), closedLoop, -32768, 32767, -32769, 32768, range},
        {"store_steps_rev", load16(&MotionDriver::store_steps_rev), stepper, 1, 32767, 0, std::nullopt, range},
        // Lines × 65536 + steps: 1 line and 1 step up to 16383 lines and 32767 steps; no steps,
        // and a line over, are out.
        {"load_steps_lines", load32(&MotionDriver::load_steps_lines), clStepper, 65537, 1073709055, 65536,
         16384 * 65536 + 1, range},
        {"set_loop_mode", load16(&MotionDriver::set_loop_mode), clStepper, LoopModeClosed, LoopModeOpen, -2, 1, range},
    };
    for (const Row& row : rows) {
        for (std::int16_t board : row.boards) {
            SCOPED_TRACE(std::string(row.call) + " on board " + std::to_string(board));
            EXPECT_EQ(row.load(driver, board, row.lowest), 0);
            EXPECT_EQ(row.load(driver, board, row.highest), 0);
            if (row.below) {
                EXPECT_EQ(row.load(driver, board, *row.below), row.refusal);
            }
            if (row.above) {
                EXPECT_EQ(row.load(driver, board, *row.above), row.refusal);
            }
        }
    }
    // Steps and lines decoded from the packed value: 2000 steps and 500 lines (32770000) give a
    // closed-loop stepper one encoder count per step.
    ASSERT_EQ(driver.load_steps_lines(kClosedLoop4, 1, 32770000), 0);
    moveTo(kClosedLoop4, 1, 700);
    waitDone(kClosedLoop4, 1);
    std::int32_t encoder = 0;
    ASSERT_EQ(driver.read_encoder(kClosedLoop4, 1, encoder), 0);
    EXPECT_EQ(encoder, 700);
}

TEST_F(SimAxisSettingsTest, StopModeOfEachAxisDecidesHowStopMotionEndsItsMove)
{
    // Velocity moves at 60 RPM, ramping at 1 RPS/s: a decelerating stop takes 1 s and half a
    // revolution (4000 counts on the servo boards, 2000 steps on the steppers).
    struct Mode {
        std::int16_t mode;
        double takes;
        double revolutions;
        std::uint16_t endBit, clearBit;
    };
    const std::vector<Mode> modes{{StopModeDecel, 1.0, 0.5, AxisStatusProfileComplete, AxisStatusMotorOff},
                                  {StopModeHalt, 0.0, 0.0, AxisStatusProfileComplete, AxisStatusMotorOff},
                                  {StopModeKill, 0.0, 0.0, AxisStatusMotorOff, AxisStatusProfileComplete}};
    for (std::int16_t board : std::initializer_list<std::int16_t>{kServo3, kOpenLoop3, kClosedLoop3, kServo4, kOpenLoop4, kClosedLoop4}) {
        const double revolution = board == kServo3 || board == kServo4 ? 4000 : 2000;
        for (const Mode& m : modes) {
            SCOPED_TRACE("board " + std::to_string(board) + " mode " + std::to_string(m.mode));
            // Axis 2 takes the mode; axis 1 keeps the power-on mode, decelerate.
            ASSERT_EQ(driver.set_stop_mode(board, 2, m.mode), 0);
            for (std::int16_t axis : std::initializer_list<std::int16_t>{1, 2}) {
                slowServo(board, axis);
                ASSERT_EQ(driver.set_pos_mode(board, axis, PosModeVelocity), 0);
                ASSERT_EQ(driver.start_motion(board, axis), 0);
            }
            clock.advance(2'000'000);
            const std::int32_t stoppedAt = position(board, 2);
            ASSERT_EQ(driver.stop_motion(board, 2), 0);
            EXPECT_NEAR(waitDone(board, 2), m.takes, 0.002);
            EXPECT_NEAR(position(board, 2) - stoppedAt, m.revolutions * revolution, 0.01 * revolution);
            const std::int16_t word = status(board, 2);
            EXPECT_TRUE(hasBits(word, m.endBit));
            EXPECT_FALSE(hasBits(word, m.clearBit));

            ASSERT_EQ(driver.stop_motion(board, 1), 0);
            EXPECT_NEAR(waitDone(board, 1), 1.0, 0.002);
            EXPECT_FALSE(hasBits(status(board, 1), AxisStatusMotorOff));
        }
    }
}

TEST_F(SimAxisSettingsTest, ClosedLoopStepperFollowingErrorIsCountedInEncoderCounts)
{
    // 1000 lines on 2000 steps: two counts a step, so a limit of 4 counts is a lag of 2 steps,
    // passed above 2000 steps/s: 2 s into a ramp of 1000 steps/s².
    ASSERT_EQ(driver.set_loop_mode(kClosedLoop4, 1, LoopModeClosed), 0);
    ASSERT_EQ(driver.load_steps_lines(kClosedLoop4, 1, 1000 * 65536 + 2000), 0);
    ASSERT_EQ(driver.load_fol_err(kClosedLoop4, 1, 4), 0);
    ASSERT_EQ(driver.load_vel(kClosedLoop4, 1, 3000), 0);
    moveTo(kClosedLoop4, 1, 20000);
    EXPECT_NEAR(waitDone(kClosedLoop4, 1), 2.0, 0.001);
    EXPECT_TRUE(hasBits(status(kClosedLoop4, 1), AxisStatusPositionError | AxisStatusMotorOff));
    EXPECT_EQ(position(kClosedLoop4, 1), 2000);

    // 4000 steps on the default 500 lines: half a count a step, so 2 counts allow 4000 steps/s.
    ASSERT_EQ(driver.set_loop_mode(kClosedLoop3, 2, LoopModeClosed), 0);
    ASSERT_EQ(driver.load_fol_err(kClosedLoop3, 2, 2), 0);
    ASSERT_EQ(driver.store_steps_rev(kClosedLoop3, 2, 4000), 0);
    ASSERT_EQ(driver.load_vel(kClosedLoop3, 2, 3000), 0);
    moveTo(kClosedLoop3, 2, 20000);
    EXPECT_GT(waitDone(kClosedLoop3, 2), 6.0);
    EXPECT_FALSE(hasBits(status(kClosedLoop3, 2), AxisStatusPositionError));
    EXPECT_EQ(position(kClosedLoop3, 2), 20000);

    // New counts per revolution act on a running move at once: cruising at 2500 steps/s within
    // 3 counts at one count a step, the axis runs on while steps and lines keep their ratio and
    // trips when a step becomes two counts.
    ASSERT_EQ(driver.set_loop_mode(kClosedLoop3, 3, LoopModeClosed), 0);
    ASSERT_EQ(driver.load_fol_err(kClosedLoop3, 3, 3), 0);
    ASSERT_EQ(driver.load_vel(kClosedLoop3, 3, 2500), 0);
    moveTo(kClosedLoop3, 3, 100000);
    clock.advance(5'000'000);
    ASSERT_EQ(driver.load_steps_lines(kClosedLoop3, 3, 1000 * 65536 + 4000), 0);
    clock.advance(1'000'000);
    ASSERT_TRUE(hasBits(status(kClosedLoop3, 3), AxisStatusRunning));
    ASSERT_EQ(driver.store_steps_rev(kClosedLoop3, 3, 2000), 0);
    const std::int16_t word = status(kClosedLoop3, 3);
    EXPECT_TRUE(AxisMoveDone(word) && hasBits(word, AxisStatusPositionError));
}

TEST_F(SimAxisSettingsTest, StepsAndLinesPerRevolutionScaleRpmBothWays)
{
    struct Case {
        const char* name;
        std::int16_t board, axis;
        std::function<DriverStatus()> counts;
        double stepsPerRevolution;
    };
    const std::vector<Case> cases{
        {"open loop, 400 steps", kOpenLoop3, 1, [&] { return driver.store_steps_rev(kOpenLoop3, 1, 400); }, 400},
        {"closed loop, 500 steps", kClosedLoop3, 1, [&] { return driver.store_steps_rev(kClosedLoop3, 1, 500); }, 500},
        {"closed loop, 4000 steps and 1000 lines", kClosedLoop4, 1,
         [&] { return driver.load_steps_lines(kClosedLoop4, 1, 1000 * 65536 + 4000); }, 4000},
        {"closed loop, the most steps and lines", kClosedLoop4, 2,
         [&] { return driver.load_steps_lines(kClosedLoop4, 2, 1073709055); }, 32767},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.counts(), 0);
        // 90 RPM reached at 1.5 RPS/s: one second of ramp.
        ASSERT_EQ(driver.load_rpm(c.board, c.axis, 90), 0);
        ASSERT_EQ(driver.load_rpsps(c.board, c.axis, 1.5), 0);
        ASSERT_EQ(driver.set_pos_mode(c.board, c.axis, PosModeVelocity), 0);
        ASSERT_EQ(driver.start_motion(c.board, c.axis), 0);
        const double cruise = 1.5 * c.stepsPerRevolution;
        std::int32_t steps = 0;
        clock.advance(500'000 - kCallCost);
        ASSERT_EQ(driver.read_steps_vel(c.board, c.axis, steps), 0);
        EXPECT_NEAR(steps, cruise / 2, 1 + cruise * 1e-3);
        clock.advance(1'000'000);
        ASSERT_EQ(driver.read_steps_vel(c.board, c.axis, steps), 0);
        EXPECT_NEAR(steps, cruise, 1);
        double rpm = 0;
        ASSERT_EQ(driver.read_rpm(c.board, c.axis, rpm), 0);
        EXPECT_NEAR(rpm, 90, 1e-9);
        ASSERT_EQ(driver.kill_motion(c.board, c.axis), 0);
    }
    // The fastest RPM on the most steps per revolution: about 54.6 million steps/s, read back
    // (with the limit inputs off: the limits are soon reached at that speed).
    ASSERT_EQ(driver.enable_limits(kClosedLoop4, 0), 0);
    ASSERT_EQ(driver.load_rpm(kClosedLoop4, 2, 100000), 0);
    ASSERT_EQ(driver.load_rpsps(kClosedLoop4, 2, 100000), 0);
    ASSERT_EQ(driver.start_motion(kClosedLoop4, 2), 0);
    clock.advance(50'000);
    std::int32_t steps = 0;
    ASSERT_EQ(driver.read_steps_vel(kClosedLoop4, 2, steps), 0);
    EXPECT_EQ(steps, 54611667);
    double rpm = 0;
    ASSERT_EQ(driver.read_rpm(kClosedLoop4, 2, rpm), 0);
    EXPECT_NEAR(rpm, 100000, 1e-6);
    // The velocity stays in steps/s when the count changes; the RPM read follows the count.
    ASSERT_EQ(driver.store_steps_rev(kClosedLoop4, 2, 16383), 0);
    ASSERT_EQ(driver.read_rpm(kClosedLoop4, 2, rpm), 0);
    EXPECT_NEAR(rpm, 100000.0 * 32767 / 16383, 1e-6);
}

TEST_F(SimAxisSettingsTest, LoopModeDecidesWhetherAClosedLoopStepperAxisCanSearchForItsIndex)
{
    for (std::int16_t board : std::initializer_list<std::int16_t>{kClosedLoop3, kClosedLoop4}) {
        SCOPED_TRACE(board);
        std::int16_t found = 99;
        EXPECT_EQ(driver.find_index(board, 2, DirectionForward, 0, found), ZEVA_closedLoopOnlyError);
        EXPECT_EQ(found, 99);
        EXPECT_FALSE(hasBits(status(board, 2), AxisStatusRunning));

        ASSERT_EQ(driver.set_loop_mode(board, 2, LoopModeClosed), 0);
        ASSERT_EQ(driver.find_index(board, 2, DirectionForward, 0, found), 0);
        waitDone(board, 2);
        EXPECT_TRUE(hasBits(status(board, 2), AxisStatusIndexFound));
        EXPECT_EQ(position(board, 2), 2000); // 2000 steps per revolution

        ASSERT_EQ(driver.set_loop_mode(board, 2, LoopModeOpen), 0);
        EXPECT_EQ(driver.find_index(board, 2, DirectionReverse, 0, found), ZEVA_closedLoopOnlyError);
    }
    // Servo axes always search.
    std::int16_t found = 99;
    EXPECT_EQ(driver.find_index(kServo4, 2, DirectionForward, 0, found), 0);
}

TEST_F(SimAxisSettingsTest, IndexSearchReachesThePulseInItsDirectionBeforeMovingByTheReferenceOffset)
{
    // Servo axis 1: index pulses every 4000 counts at 0, 4000 counts/s, 4000 counts/s².
    struct Case {
        std::int16_t direction, offset;
        std::int32_t reverseLimit, forwardLimit;
        std::int16_t found;
        std::int32_t endsAt;
        std::uint16_t event; // the stop event latched
        bool forwardAtEnd;
    };
    constexpr std::int32_t far = 1'000'000;
    const std::vector<Case> cases{
        {DirectionForward, 100, -far, far, 0, 4100, AxisStatusIndexFound, true},
        {DirectionForward, 0, -far, far, 0, 4000, AxisStatusIndexFound, true},
        {DirectionForward, -32767, -far, far, 0, 4000 - 32767, AxisStatusIndexFound, false},
        {DirectionReverse, 32766, -far, far, 0, 32766 - 4000, AxisStatusIndexFound, true},
        // A limit before the pulse ends the search there, whichever way the offset points.
        {DirectionForward, -5000, -far, 3000, -1, 3000, AxisStatusLimitSwitch, true},
        {DirectionReverse, 32766, -3000, far, -1, -3000, AxisStatusLimitSwitch, false},
        // A limit on the way to the offset: the pulse was found, the move ends on the limit.
        {DirectionForward, -6000, -1000, far, 0, -1000, AxisStatusIndexFound | AxisStatusLimitSwitch, false},
    };
    slowServo(kServo3, 1);
    for (const Case& c : cases) {
        SCOPED_TRACE("direction " + std::to_string(c.direction) + " offset " + std::to_string(c.offset));
        driver.setLimitSwitches(kServo3, 1, -far, far);
        moveTo(kServo3, 1, 0);
        waitDone(kServo3, 1);
        driver.setLimitSwitches(kServo3, 1, c.reverseLimit, c.forwardLimit);

        std::int16_t found = 99;
        ASSERT_EQ(driver.find_index(kServo3, 1, c.direction, c.offset, found), 0);
        EXPECT_EQ(found, c.found);
        EXPECT_EQ(hasBits(status(kServo3, 1), AxisStatusForward), c.direction == DirectionForward);
        waitDone(kServo3, 1);
        EXPECT_EQ(position(kServo3, 1), c.endsAt);
        const std::uint16_t word = static_cast<std::uint16_t>(status(kServo3, 1));
        EXPECT_EQ(word & (AxisStatusIndexFound | AxisStatusLimitSwitch), c.event);
        EXPECT_EQ(hasBits(static_cast<std::int16_t>(word), AxisStatusForward), c.forwardAtEnd);
    }

    // On a 4-axis board the status register shows one search, running until the offset is
    // reached.
    ASSERT_EQ(driver.set_loop_mode(kClosedLoop4, 2, LoopModeClosed), 0);
    std::int16_t found = 99;
    ASSERT_EQ(driver.find_index(kClosedLoop4, 2, DirectionForward, -3000, found), 0);
    while ((csr(kClosedLoop4) & (CsrAxisRunning(2) | CsrAxisMoveComplete(2))) != CsrAxisMoveComplete(2)) {
    }
    EXPECT_EQ(position(kClosedLoop4, 2), -1000);
    EXPECT_TRUE(hasBits(status(kClosedLoop4, 2), AxisStatusIndexFound | AxisStatusProfileComplete));
}

} // namespace
} // namespace tarvik::testing
