#include "driver/sim/SimDriverFixture.h"

#include <array>
#include <cmath>
#include <limits>

namespace tarvik::testing {
namespace {

using SimErrorStatusTest = SimDriverTest;

TEST_F(SimErrorStatusTest, BadBoardOrAxisIs6)
{
    std::int32_t position = 77;
    for (std::int16_t board : {0, -1, 8, 31, 32767})
        EXPECT_EQ(driver.read_pos(board, 1, position), 6) << board;
    EXPECT_EQ(driver.read_pos(kServo3, 4, position), 6);
    EXPECT_EQ(driver.read_pos(kServo4, 5, position), 6);
    EXPECT_EQ(driver.read_pos(kServo4, 0, position), 6);
    EXPECT_EQ(driver.read_pos(kServo4, -1, position), 6);
    EXPECT_EQ(position, 77); // a failing call leaves its outputs alone
    SimulatedDriver sparse(clock, {{5, 3, 0x300, {}}});
    EXPECT_EQ(sparse.start_motion(1, 1), 6);
    EXPECT_EQ(sparse.start_motion(5, 1), 0);
}

TEST_F(SimErrorStatusTest, CommandsForAnotherBoardClassAreRefusedWithItsStatus)
{
    std::int16_t flag = 5;
    std::int32_t value = 0;
    // Motion commands to an encoder board.
    EXPECT_EQ(driver.load_target_pos(kEncoder, 1, 10), ZEVA_motionOnlyError);
    EXPECT_EQ(driver.start_motion(kEncoder, 1), ZEVA_motionOnlyError);
    EXPECT_EQ(driver.find_home(kEncoder, 1, 0), ZEVA_motionOnlyError);
    EXPECT_EQ(driver.find_index(kEncoder, 1, 0, 0, flag), ZEVA_motionOnlyError);
    EXPECT_EQ(driver.kill_motion(kEncoder, 1), ZEVA_motionOnlyError);
    EXPECT_EQ(driver.read_pos(kEncoder, 1, value), 0); // reading and zeroing an encoder is fine
    EXPECT_EQ(driver.reset_pos(kEncoder, 1), 0);
    EXPECT_EQ(driver.store_elc(kEncoder, 1, 2048), 0);
    // Closed-loop-only commands on open-loop steppers.
    EXPECT_EQ(driver.find_index(kOpenLoop3, 1, 0, 0, flag), ZEVA_closedLoopOnlyError);
    EXPECT_EQ(driver.load_fol_err(kOpenLoop4, 1, 100), ZEVA_closedLoopOnlyError);
    EXPECT_EQ(driver.in_pos(kOpenLoop4, 1, 0, 10, value), ZEVA_closedLoopOnlyError);
    EXPECT_EQ(flag, 5);
    // Closed-loop-stepper-only commands elsewhere.
    for (std::int16_t board : {kServo3, kOpenLoop3, kServo4, kOpenLoop4, kEncoder})
        EXPECT_EQ(driver.set_loop_mode(board, 1, LoopModeClosed), ZEVA_closedLoopStepperOnlyError) << board;
    EXPECT_EQ(driver.set_loop_mode(kClosedLoop3, 1, LoopModeClosed), 0);
    EXPECT_EQ(driver.load_steps_lines(kServo4, 1, 65537), ZEVA_closedLoopStepperOnlyError);
    // Servo-only and stepper-only commands, and 4-axis-only ones on 3-axis boards.
    EXPECT_EQ(driver.load_prop_gain(kOpenLoop3, 1, 100), ZEVA_servoOnlyError);
    EXPECT_EQ(driver.load_accel_fact(kServo4, 1, 2), ZEVA_stepperOnlyError);
    EXPECT_EQ(driver.load_rot_counts(kServo3, 1, 100), ZEVA_fourAxisOnlyError);
    std::int16_t adc = 0;
    EXPECT_EQ(driver.read_adc(kServo3, 1, adc), ZEVA_fourAxisOnlyError);
}

TEST_F(SimErrorStatusTest, OutOfRangeArgumentsAreRefusedAndChangeNothing)
{
    EXPECT_EQ(driver.set_pos_mode(kServo4, 1, 1), ZEVA_posModeError);
    EXPECT_EQ(driver.set_stop_mode(kServo4, 1, 0), ZEVA_stopModeError);
    EXPECT_EQ(driver.set_stop_mode(kServo4, 1, 4), ZEVA_stopModeError);
    EXPECT_EQ(driver.set_direction(kServo4, 1, 1), ZEVA_directionError);
    EXPECT_EQ(driver.find_home(kServo4, 1, 2), ZEVA_directionError);
    EXPECT_EQ(driver.load_vel(kServo4, 1, -1), ZEVA_velocityRangeError);
    EXPECT_EQ(driver.load_vel(kServo4, 1, 0x1000000), ZEVA_velocityRangeError);
    EXPECT_EQ(driver.load_vel(kOpenLoop4, 1, 0x100001), ZEVA_velocityRangeError);
    EXPECT_EQ(driver.load_accel(kOpenLoop4, 1, 0x500000), ZEVA_accelerationRangeError);
    EXPECT_EQ(driver.load_rpm(kServo4, 1, -1), ZEVA_velocityRangeError);
    EXPECT_EQ(driver.load_rpm(kServo4, 1, std::numeric_limits<double>::quiet_NaN()), ZEVA_velocityRangeError);
    EXPECT_EQ(driver.load_rpsps(kServo4, 1, std::numeric_limits<double>::infinity()), ZEVA_accelerationRangeError);
    EXPECT_EQ(driver.load_accel_fact(kOpenLoop4, 1, 11), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.set_base_vel(kOpenLoop4, 1, 5001), ZEVA_velocityRangeError);
    EXPECT_EQ(driver.load_vel_change(kOpenLoop4, 1, -20001), ZEVA_velocityRangeError);
    EXPECT_EQ(driver.load_deriv_per(kServo4, 1, 256), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.load_prop_gain(kServo4, 1, -1), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.load_fol_err(kServo4, 1, 40000), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.load_fol_err(kClosedLoop4, 1, 40000), 0);
    EXPECT_EQ(driver.master_slave_cfg(kServo4, 1, 1), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.load_pos_scale(kServo4, 1, 0x00010000), ZEVA_argumentRangeError); // denominator 0
    EXPECT_EQ(driver.load_pos_scale(kServo4, 1, 0x7FFF7FFF), 0);
    EXPECT_EQ(driver.load_steps_lines(kClosedLoop4, 1, 16384 * 65536 + 1), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.store_steps_rev(kOpenLoop4, 1, 0), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.store_elc(kServo4, 1, 0), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.set_step_mode_pol(kOpenLoop4, 8), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.begin_prestore(kServo3, 7), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.begin_prestore(kServo4, 5), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.trigger_io(kServo4, 0), ZEVA_ioPortError);
    EXPECT_EQ(driver.enable_io_trig(kServo4, 0x10), ZEVA_ioPortError);
    EXPECT_EQ(driver.enable_io_trig(kServo3, 0x3F), 0);
    EXPECT_EQ(driver.load_break_mod(kServo4, 1, -1), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.load_pos_brk(kServo4, 1, 1073741824), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.enable_brk(kServo4, 1, 1), ZEVA_argumentRangeError);
    std::int16_t value = 33;
    EXPECT_EQ(driver.read_adc(kServo4, 0, value), ZEVA_adcChannelError);
    EXPECT_EQ(driver.read_adc(kServo4, 9, value), ZEVA_adcChannelError);
    EXPECT_EQ(value, 33);
    driver.setAdcValue(kServo4, 8, -5);
    EXPECT_EQ(driver.read_adc(kServo4, 8, value), 0);
    EXPECT_EQ(value, -5);

    // The refused loads left the axis as it was: the default move still runs.
    moveTo(kServo4, 1, 400);
    EXPECT_GT(waitDone(kServo4, 1), 0);
    EXPECT_EQ(position(kServo4, 1), 400);
}

TEST_F(SimErrorStatusTest, MovesThatCouldNeverEndAreRefused)
{
    ASSERT_EQ(driver.load_vel(kOpenLoop3, 1, 0), 0);
    ASSERT_EQ(driver.load_target_pos(kOpenLoop3, 1, 100), 0);
    EXPECT_EQ(driver.start_motion(kOpenLoop3, 1), ZEVA_velocityRangeError);
    EXPECT_EQ(driver.find_home(kOpenLoop3, 1, DirectionForward), ZEVA_velocityRangeError);
    ASSERT_EQ(driver.load_target_pos(kOpenLoop3, 1, 0), 0);
    EXPECT_EQ(driver.start_motion(kOpenLoop3, 1), 0); // already there: nothing to move
    ASSERT_EQ(driver.load_vel(kOpenLoop3, 2, 100), 0);
    ASSERT_EQ(driver.load_accel(kOpenLoop3, 2, 0), 0);
    ASSERT_EQ(driver.load_target_pos(kOpenLoop3, 2, 100), 0);
    EXPECT_EQ(driver.start_motion(kOpenLoop3, 2), ZEVA_accelerationRangeError);
    EXPECT_TRUE(AxisMoveDone(status(kOpenLoop3, 2)));
}

TEST_F(SimErrorStatusTest, PollingLoopsEndBecauseEveryCallCostsTime)
{
    const std::int64_t start = clock.nowMicros();
    std::int16_t word = 0;
    for (int i = 0; i < 50; ++i)
        driver.read_axis_stat(kServo4, 1, word);
    EXPECT_EQ(clock.nowMicros() - start, 50 * kCallCost);
    driver.read_axis_stat(0, 1, word); // refused calls cost time too
    EXPECT_EQ(clock.nowMicros() - start, 51 * kCallCost);
}

} // namespace
} // namespace tarvik::testing
