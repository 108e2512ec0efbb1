#include "driver/sim/SimDriverFixture.h"

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

namespace tarvik::testing {
namespace {

using SimErrorStatusTest = SimDriverTest;

TEST_F(SimErrorStatusTest, BadBoardOrAxisIs6)
{
    std::int32_t position = 77;
    for (std::int16_t board : std::initializer_list<std::int16_t>{0, -1, 8, 31, 32767})
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

TEST_F(SimErrorStatusTest, EachBoardClassRefusesTheCallsItLacksWithItsStatus)
{
    constexpr DriverStatus ok = ZEVA_noError, motion = ZEVA_motionOnlyError, servo = ZEVA_servoOnlyError,
                           stepper = ZEVA_stepperOnlyError, closedLoop = ZEVA_closedLoopOnlyError,
                           clStepper = ZEVA_closedLoopStepperOnlyError, fourAxis = ZEVA_fourAxisOnlyError;
    using Call = std::function<DriverStatus(MotionDriver&, std::int16_t board)>;
    struct Row {
        const char* call;
        Call run;
        // Boards 1 to 7: 3-axis servo, open-loop, closed-loop; 4-axis servo, open-loop,
        // closed-loop; encoder.
        std::array<DriverStatus, 7> expected;
    };
    std::int32_t value = 0;
    double rpm = 0;
    std::int16_t word = 0;
    const std::array<DriverStatus, 7> motionBoards{ok, ok, ok, ok, ok, ok, motion};
    const std::array<DriverStatus, 7> servoOnly{ok, servo, servo, ok, servo, servo, motion};
    const std::array<DriverStatus, 7> stepperOnly{stepper, ok, ok, stepper, ok, ok, motion};
    const std::array<DriverStatus, 7> closedLoopMotion{ok, closedLoop, ok, ok, closedLoop, ok, motion};
    const std::array<DriverStatus, 7> closedLoopStepperOnly{clStepper, clStepper, ok, clStepper, clStepper, ok,
                                                            clStepper};
    const std::array<DriverStatus, 7> everyBoard{ok, ok, ok, ok, ok, ok, ok};
    const std::vector<Row> rows{
        {"set_direction", [](MotionDriver& d, std::int16_t b) { return d.set_direction(b, 1, DirectionReverse); },
         servoOnly},
        {"master_slave_cfg", [](MotionDriver& d, std::int16_t b) { return d.master_slave_cfg(b, 2, -256); }, servoOnly},
        {"load_time_brk", [](MotionDriver& d, std::int16_t b) { return d.load_time_brk(b, 1, 65535); }, servoOnly},
        {"load_prop_gain", [](MotionDriver& d, std::int16_t b) { return d.load_prop_gain(b, 1, 100); }, servoOnly},
        {"load_intg_gain", [](MotionDriver& d, std::int16_t b) { return d.load_intg_gain(b, 1, 32767); }, servoOnly},
        {"load_deriv_gain", [](MotionDriver& d, std::int16_t b) { return d.load_deriv_gain(b, 1, 0); }, servoOnly},
        {"load_deriv_per", [](MotionDriver& d, std::int16_t b) { return d.load_deriv_per(b, 1, 255); }, servoOnly},
        {"load_intg_lim", [](MotionDriver& d, std::int16_t b) { return d.load_intg_lim(b, 1, 1000); }, servoOnly},
        {"store_steps_rev", [](MotionDriver& d, std::int16_t b) { return d.store_steps_rev(b, 1, 2000); }, stepperOnly},
        {"load_accel_fact", [](MotionDriver& d, std::int16_t b) { return d.load_accel_fact(b, 1, 10); }, stepperOnly},
        {"set_base_vel", [](MotionDriver& d, std::int16_t b) { return d.set_base_vel(b, 1, 0); }, stepperOnly},
        {"load_vel_change", [](MotionDriver& d, std::int16_t b) { return d.load_vel_change(b, 1, 20000); },
         stepperOnly},
        {"load_pos_scale", [](MotionDriver& d, std::int16_t b) { return d.load_pos_scale(b, 1, 2147450879); },
         closedLoopMotion},
        {"set_scale_seq", [](MotionDriver& d, std::int16_t b) { return d.set_scale_seq(b, 1, -1); }, closedLoopMotion},
        {"load_fol_err", [](MotionDriver& d, std::int16_t b) { return d.load_fol_err(b, 1, 1000); }, closedLoopMotion},
        {"load_pos_ref", [](MotionDriver& d, std::int16_t b) { return d.load_pos_ref(b, 1, -32767); },
         closedLoopMotion},
        {"in_pos", [&](MotionDriver& d, std::int16_t b) { return d.in_pos(b, 1, 0, 10, value); },
         {ok, closedLoop, ok, ok, closedLoop, ok, ok}},
        {"read_encoder", [&](MotionDriver& d, std::int16_t b) { return d.read_encoder(b, 1, value); },
         closedLoopStepperOnly},
        {"read_encoder_rdb", [](MotionDriver& d, std::int16_t b) { return d.read_encoder_rdb(b, 1); },
         closedLoopStepperOnly},
        {"set_loop_mode", [](MotionDriver& d, std::int16_t b) { return d.set_loop_mode(b, 1, LoopModeOpen); },
         closedLoopStepperOnly},
        {"load_steps_lines", [](MotionDriver& d, std::int16_t b) { return d.load_steps_lines(b, 1, 32770000); },
         closedLoopStepperOnly},
        {"load_target_pos", [](MotionDriver& d, std::int16_t b) { return d.load_target_pos(b, 1, -2147483647 - 1); },
         motionBoards},
        {"load_vel", [](MotionDriver& d, std::int16_t b) { return d.load_vel(b, 1, 16777215); }, motionBoards},
        {"load_accel", [](MotionDriver& d, std::int16_t b) { return d.load_accel(b, 1, 5242879); }, motionBoards},
        {"load_rpm", [](MotionDriver& d, std::int16_t b) { return d.load_rpm(b, 1, 100000); }, motionBoards},
        {"load_rpsps", [](MotionDriver& d, std::int16_t b) { return d.load_rpsps(b, 1, 100000); }, motionBoards},
        {"set_pos_mode", [](MotionDriver& d, std::int16_t b) { return d.set_pos_mode(b, 1, PosModeVelocity); },
         motionBoards},
        {"set_stop_mode", [](MotionDriver& d, std::int16_t b) { return d.set_stop_mode(b, 1, StopModeKill); },
         motionBoards},
        {"start_motion", [](MotionDriver& d, std::int16_t b) { return d.start_motion(b, 1); }, motionBoards},
        {"multi_start", [](MotionDriver& d, std::int16_t b) { return d.multi_start(b, 3); }, motionBoards},
        {"stop_motion", [](MotionDriver& d, std::int16_t b) { return d.stop_motion(b, 1); }, motionBoards},
        {"kill_motion", [](MotionDriver& d, std::int16_t b) { return d.kill_motion(b, 3); }, motionBoards},
        {"read_axis_stat", [&](MotionDriver& d, std::int16_t b) { return d.read_axis_stat(b, 1, word); },
         motionBoards},
        // Encoder boards count: their counters are zeroed and read like any axis's position.
        {"reset_pos", [](MotionDriver& d, std::int16_t b) { return d.reset_pos(b, 1); }, everyBoard},
        {"read_pos", [&](MotionDriver& d, std::int16_t b) { return d.read_pos(b, 1, value); }, everyBoard},
        {"read_rpm", [&](MotionDriver& d, std::int16_t b) { return d.read_rpm(b, 1, rpm); }, everyBoard},
        {"read_vel", [&](MotionDriver& d, std::int16_t b) { return d.read_vel(b, 1, word); }, everyBoard},
        {"read_steps_vel", [&](MotionDriver& d, std::int16_t b) { return d.read_steps_vel(b, 1, value); },
         everyBoard},
        {"load_rot_counts", [](MotionDriver& d, std::int16_t b) { return d.load_rot_counts(b, 1, 100); },
         {fourAxis, servo, servo, ok, servo, servo, motion}},
        {"read_gpio", [&](MotionDriver& d, std::int16_t b) { return d.read_gpio(b, value); },
         {stepper, ok, ok, stepper, ok, ok, stepper}},
    };
    for (const Row& row : rows)
        for (std::int16_t board = 1; board <= 7; ++board)
            EXPECT_EQ(row.run(driver, board), row.expected[static_cast<std::size_t>(board - 1)])
                << row.call << " on board " << board;

    // A refused call hands nothing back.
    value = 77;
    EXPECT_EQ(driver.in_pos(kOpenLoop3, 1, 0, 10, value), ZEVA_closedLoopOnlyError);
    EXPECT_EQ(driver.read_encoder(kServo4, 1, value), ZEVA_closedLoopStepperOnlyError);
    EXPECT_EQ(value, 77);
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
    EXPECT_EQ(driver.load_vel(kOpenLoop4, 1, 0x1000000), ZEVA_velocityRangeError);
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
