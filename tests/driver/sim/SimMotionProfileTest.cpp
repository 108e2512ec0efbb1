#include "driver/sim/MotionProfile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvik::testing {

using namespace tarvik::sim;
namespace {

TEST(SimMotionProfileTest, TrapezoidTakesAccelerationCruiseAndDeceleration)
{
    // 8000 counts at 4000 counts/s and 4000 counts/s²: 1 s up, 1 s cruise, 1 s down.
    const auto profile = MotionProfile::toTarget(0, 0, 8000, 4000, 4000, 0);
    EXPECT_NEAR(profile.duration(), 3.0, 1e-9);
    EXPECT_NEAR(profile.position(1.0), 2000, 1e-6);
    EXPECT_NEAR(profile.velocity(1.5), 4000, 1e-6);
    EXPECT_NEAR(profile.position(2.5), 7500, 1e-6);
    EXPECT_EQ(profile.position(3.0), 8000);
    EXPECT_EQ(profile.velocity(3.5), 0);
}

TEST(SimMotionProfileTest, ShortMoveIsTriangular)
{
    const auto profile = MotionProfile::toTarget(100, 0, -1900, 4000, 4000, 0);
    EXPECT_NEAR(profile.duration(), 2 * std::sqrt(0.5), 1e-9);
    EXPECT_NEAR(profile.velocity(std::sqrt(0.5)), -std::sqrt(8e6), 1e-6);
    EXPECT_EQ(profile.position(10), -1900);
}

TEST(SimMotionProfileTest, RestartFromMotionBrakesBeforeTurning)
{
    // Moving forward at 4000 counts/s, new target behind: 1 s braking to 2000, then back to 0.
    const auto back = MotionProfile::toTarget(0, 4000, 0, 4000, 4000, 0);
    EXPECT_NEAR(back.position(1.0), 2000, 1e-6);
    EXPECT_EQ(back.position(back.duration()), 0);
    // A target inside the stopping distance overshoots and comes back.
    const auto overshoot = MotionProfile::toTarget(0, 4000, 1000, 4000, 4000, 0);
    EXPECT_NEAR(overshoot.position(1.0), 2000, 1e-6);
    EXPECT_EQ(overshoot.position(overshoot.duration()), 1000);
    // Faster than the new velocity limit: slows down to it, cruises, stops on target.
    const auto slower = MotionProfile::toTarget(0, 4000, 10000, 2000, 4000, 0);
    EXPECT_NEAR(slower.velocity(1.0), 2000, 1e-6);
    EXPECT_NEAR(slower.position(slower.duration() - 1e-9), 10000, 1e-3);
}

TEST(SimMotionProfileTest, VelocityMoveNeverEnds)
{
    const auto profile = MotionProfile::atVelocity(0, 0, -1000, 1000, 0);
    EXPECT_TRUE(profile.endless());
    EXPECT_TRUE(std::isinf(profile.duration()));
    EXPECT_NEAR(profile.position(2.0), -1500, 1e-6);
}

TEST(SimMotionProfileTest, BaseSpeedIsTakenAtOnceFromAndToAStandstill)
{
    // 3000 steps at 1000 steps/s and 1000 steps/s² from a base of 500: at 500 at once, 0.5 s up
    // (375 steps), 2.25 s cruising, 0.5 s down to 500, then standing on the target.
    const auto profile = MotionProfile::toTarget(0, 0, 3000, 1000, 1000, 500);
    EXPECT_NEAR(profile.duration(), 3.25, 1e-9);
    EXPECT_NEAR(profile.velocity(0), 500, 1e-9);
    EXPECT_NEAR(profile.position(0.5), 375, 1e-6);
    EXPECT_NEAR(profile.velocity(3.25 - 1e-6), 500, 1e-2);
    EXPECT_EQ(profile.position(3.25), 3000);
    // A short move peaks between the two base speeds: √(1000·100 + 500²) steps/s.
    const auto shortMove = MotionProfile::toTarget(0, 0, -100, 1000, 1000, 500);
    EXPECT_NEAR(shortMove.duration(), 2 * (std::sqrt(350000.0) - 500) / 1000, 1e-9);
    EXPECT_EQ(shortMove.position(1), -100);
    // A base above the move's velocity: the whole move at that velocity.
    const auto capped = MotionProfile::toTarget(0, 0, 1000, 200, 1000, 5000);
    EXPECT_NEAR(capped.duration(), 5, 1e-9);
    EXPECT_NEAR(capped.velocity(0), 200, 1e-9);
    // Braking and reversing go through the standstill from the base speed at once.
    const auto braking = MotionProfile::brake(0, 1000, 1000, 500);
    EXPECT_NEAR(braking.duration(), 0.5, 1e-9);
    EXPECT_NEAR(braking.position(1), 375, 1e-6);
    const auto reversing = MotionProfile::atVelocity(0, 1000, -1000, 1000, 500);
    EXPECT_NEAR(reversing.velocity(0.5 - 1e-6), 500, 1e-2);
    EXPECT_NEAR(reversing.velocity(0.5 + 1e-6), -500, 1e-2);
    EXPECT_NEAR(reversing.velocity(1.5), -1000, 1e-9);
}

TEST(SimMotionProfileTest, FirstFasterThanFindsWhereTheSpeedLeavesTheBand)
{
    const auto forward = MotionProfile::toTarget(0, 0, 8000, 4000, 4000, 0);
    EXPECT_NEAR(*forward.firstFasterThan(2000), 0.5, 1e-9);
    EXPECT_FALSE(forward.firstFasterThan(4000)); // cruising right at the speed is not over it
    EXPECT_NEAR(*MotionProfile::toTarget(0, 0, -8000, 4000, 4000, 0).firstFasterThan(1000), 0.25, 1e-9);
    EXPECT_EQ(*MotionProfile::brake(0, 3000, 4000, 0).firstFasterThan(2000), 0); // already over it
    EXPECT_NEAR(*MotionProfile::atVelocity(0, 1000, -3000, 4000, 0).firstFasterThan(2000), 0.75, 1e-9);
    EXPECT_FALSE(MotionProfile::rest(7).firstFasterThan(0));
}

TEST(SimMotionProfileTest, FirstReachFindsCrossingsOnlyWhileHeadingIn)
{
    const auto profile = MotionProfile::toTarget(0, 0, 8000, 4000, 4000, 0);
    EXPECT_NEAR(*profile.firstReach(2000, +1), 1.0, 1e-9);
    EXPECT_NEAR(*profile.firstReach(8000, +1), 3.0, 1e-6); // reaching the boundary exactly counts
    EXPECT_FALSE(profile.firstReach(8001, +1));
    EXPECT_FALSE(profile.firstReach(-1, -1));
    // Standing on a boundary and moving away is no crossing; moving into it is one at once.
    EXPECT_FALSE(MotionProfile::toTarget(0, 0, 100, 10, 10, 0).firstReach(0, -1));
    EXPECT_EQ(*MotionProfile::toTarget(0, 0, -100, 10, 10, 0).firstReach(0, -1), 0);
    EXPECT_FALSE(MotionProfile::rest(5).firstReach(5, +1));
}

} // namespace
} // namespace tarvik::testing
