// The simulator's hooks for the test panels: moves stopped at a chosen time as a following
// error, a limit or the home switch stops them, and scripted velocity readings.

#include "SimDriverFixture.h"

namespace tarvik::testing {
namespace {

class SimTestHooksTest : public SimDriverTest {
protected:
    // A long velocity move of axis 1 of the 4-axis servo.
    void runEndlessly()
    {
        ASSERT_EQ(driver.set_pos_mode(kServo4, 1, PosModeVelocity), 0);
        ASSERT_EQ(driver.start_motion(kServo4, 1), 0);
    }
};

TEST_F(SimTestHooksTest, AMoveEndsAtTheChosenTimeAsItsEventEndsIt)
{
    const struct {
        StopEvent event;
        std::uint16_t bits;
    } kCases[] = {
        {StopEvent::FollowingError, AxisStatusPositionError | AxisStatusMotorOff},
        {StopEvent::LimitSwitch, AxisStatusLimitSwitch | AxisStatusProfileComplete},
        {StopEvent::HomeSwitch, AxisStatusHomeSwitch | AxisStatusProfileComplete},
    };
    for (const auto& c : kCases) {
        runEndlessly();
        const std::int64_t at = clock.nowMicros() + 200'000;
        ASSERT_TRUE(driver.stopAt(kServo4, 1, at, c.event));
        clock.advance(150'000);
        EXPECT_TRUE(hasBits(status(kServo4, 1), AxisStatusRunning));
        clock.advance(100'000);
        const std::int16_t word = status(kServo4, 1);
        EXPECT_FALSE(hasBits(word, AxisStatusRunning));
        EXPECT_TRUE(hasBits(word, c.bits)) << word;
        EXPECT_TRUE(AxisMoveDone(word));
        // Fired once: the next move runs on.
        runEndlessly();
        clock.advance(500'000);
        EXPECT_TRUE(hasBits(status(kServo4, 1), AxisStatusRunning));
        ASSERT_EQ(driver.kill_motion(kServo4, 1), 0);
    }
    EXPECT_FALSE(driver.stopAt(kServo4, 5, 0, StopEvent::LimitSwitch));
}

TEST_F(SimTestHooksTest, ScriptedReadingsComeBeforeTheMeasuredVelocity)
{
    ASSERT_TRUE(driver.scriptVelocityReadings(kServo4, 1, {120.5, 80}));
    ASSERT_TRUE(driver.scriptVelocityReadings(kOpenLoop3, 1, {1001}));
    double rpm = 0;
    ASSERT_EQ(driver.read_rpm(kServo4, 1, rpm), 0);
    EXPECT_EQ(rpm, 120.5);
    ASSERT_EQ(driver.read_rpm(kServo4, 1, rpm), 0);
    EXPECT_EQ(rpm, 80);
    ASSERT_EQ(driver.read_rpm(kServo4, 1, rpm), 0);
    EXPECT_EQ(rpm, 0); // the axis stands still
    std::int32_t steps = 0;
    ASSERT_EQ(driver.read_steps_vel(kOpenLoop3, 1, steps), 0);
    EXPECT_EQ(steps, 1001);
    ASSERT_EQ(driver.read_steps_vel(kOpenLoop3, 1, steps), 0);
    EXPECT_EQ(steps, 0);
}

TEST_F(SimTestHooksTest, AKilledAxisStartsAgainAndAMovingAxisTakesANewTarget)
{
    ASSERT_EQ(driver.load_target_pos(kServo4, 1, 400000), 0);
    ASSERT_EQ(driver.start_motion(kServo4, 1), 0);
    clock.advance(100'000);
    ASSERT_EQ(driver.kill_motion(kServo4, 1), 0);
    EXPECT_TRUE(hasBits(status(kServo4, 1), AxisStatusMotorOff));
    ASSERT_EQ(driver.start_motion(kServo4, 1), 0);
    EXPECT_TRUE(hasBits(status(kServo4, 1), AxisStatusRunning));
    ASSERT_EQ(driver.load_target_pos(kServo4, 1, 0), 0);
    ASSERT_EQ(driver.start_motion(kServo4, 1), 0);
    EXPECT_GE(waitDone(kServo4, 1), 0);
    EXPECT_EQ(position(kServo4, 1), 0);
    EXPECT_TRUE(hasBits(status(kServo4, 1), AxisStatusProfileComplete));
}

} // namespace
} // namespace tarvik::testing
