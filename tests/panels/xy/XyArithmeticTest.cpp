// The XY demo's arithmetic on its own: the drawing box's scale, grid and target limits, and the
// segment move's split into board units and start masks.

#include "panels/xy/XyScale.h"
#include "panels/xy/XySegmentMove.h"

#include <gmock/gmock.h>

namespace tarvik {
namespace {

using ::testing::ElementsAre;

TEST(XyScaleTest, BoxTakesTheLongerRangeAndSitsOnItsEdge)
{
    const BoxGeometry square = BoxGeometryOf(6, 6);
    EXPECT_FLOAT_EQ(square.top, 0);
    EXPECT_FLOAT_EQ(square.width, 5688);
    EXPECT_FLOAT_EQ(square.height, 5688);

    const BoxGeometry wide = BoxGeometryOf(10, 2);
    EXPECT_FLOAT_EQ(wide.width, 5688);
    EXPECT_FLOAT_EQ(wide.height, 1137.6F);
    EXPECT_FLOAT_EQ(wide.top, 4550.4F);

    const BoxGeometry tall = BoxGeometryOf(2, 4);
    EXPECT_FLOAT_EQ(tall.top, 6);
    EXPECT_FLOAT_EQ(tall.width, 2844);
    EXPECT_FLOAT_EQ(tall.height, 5688);
}

TEST(XyScaleTest, GridLinesStartAtTheFlooredXAndOneAboveTheRoundedY)
{
    EXPECT_THAT(VerticalGridLines(0, 6, 20000), ElementsAre(0, 20000, 40000, 60000, 80000, 100000, 120000));
    EXPECT_THAT(HorizontalGridLines(0, 6, 20000), ElementsAre(20000, 40000, 60000, 80000, 100000, 120000));
    EXPECT_THAT(VerticalGridLines(-1.5F, 1, 10), ElementsAre(-20, -10, 0, 10));
    // CInt(1.5) is 2: no line at 2.
    EXPECT_THAT(HorizontalGridLines(1.5F, 4, 10), ElementsAre(30, 40));
    EXPECT_THAT(HorizontalGridLines(2.5F, 4, 10), ElementsAre(30, 40));
    // Far out positions stand at the 32-bit limits rather than wrapping.
    EXPECT_THAT(VerticalGridLines(99, 100, 3.0e7F), ElementsAre(2147483647, 2147483647));
}

TEST(XyScaleTest, AspectAbove100AndScalesWithoutExtentAreRefused)
{
    const ScaleSpans wide = SpansOf(0, 100, 0, 0.5F, 1000, 1000);
    ASSERT_TRUE(SpansUsable(wide));
    EXPECT_TRUE(AspectTooWide(wide));
    EXPECT_FALSE(AspectTooWide(SpansOf(0, 50, 0, 0.5F, 1000, 1000)));
    EXPECT_TRUE(AspectTooWide(SpansOf(0, 0.5F, 0, 51, 1000, 1000)));
    EXPECT_FALSE(SpansUsable(SpansOf(0, 6, 0, 6, 0, 1000)));
    EXPECT_FALSE(SpansUsable(SpansOf(1, 1, 0, 6, 1000, 1000)));
    EXPECT_FALSE(LimitsOrdered(3, 1, 0, 6));
    EXPECT_FALSE(LimitsOrdered(0, 6, 2, 2));
}

TEST(XyScaleTest, ConversionsSnapTowardsZeroAndKeepTargetsReachable)
{
    EXPECT_FLOAT_EQ(CountsPerInch(1000, 5, 1, true), 20000);
    EXPECT_FLOAT_EQ(CountsPerInch(2000, 5, 2, false), 20000);
    EXPECT_FLOAT_EQ(SnapToGridInches(1.74F, 0.5F), 1.5F);
    EXPECT_FLOAT_EQ(SnapToGridInches(-1.74F, 0.5F), -1.5F);
    EXPECT_FLOAT_EQ(SnapToGridInches(1.74F, 0), 1.74F);
    EXPECT_FLOAT_EQ(InchesOf(5000, 0), 0);

    EXPECT_EQ(LimitTargetCoordinate(2.0e9F, 0), 1073741824.0F);
    EXPECT_EQ(LimitTargetCoordinate(-2.0e9F, 11), -1073741824.0F);
    EXPECT_EQ(CountsOf(LimitTargetCoordinate(3.0e9F, 12)), 2147483520);
    EXPECT_EQ(CountsOf(LimitTargetCoordinate(-3.0e9F, 1)), -2147483647 - 1);
    EXPECT_EQ(CountsOf(2.5), 2);
    EXPECT_EQ(CountsOf(3.5), 4);
}

XyTableFields boardFields(std::int16_t type, float countsPerInch, float velocity)
{
    XyTableFields f;
    f.BoardTypeCode = type;
    f.CountsPerInchX = countsPerInch;
    f.CountsPerInchY = countsPerInch;
    f.VectorAccel = velocity * (IsServoType(type) ? 10.0F : 4.0F);
    return f;
}

TEST(XySegmentMoveTest, HorizontalSegmentsGoAllToXInBoardUnits)
{
    XyTableFields servo = boardFields(11, 4000, 1);
    SegmentLoad load = PlanSegment(servo, 2, 0, 1);
    EXPECT_EQ(servo.VelXUnits, 89391); // 4000 x 0.000341 x 65536 = 89391.104
    EXPECT_EQ(servo.VelYUnits, 0);
    EXPECT_EQ(servo.AccYUnits, 0);
    EXPECT_DOUBLE_EQ(servo.Angle, 0);
    // The first segment after opening stops both axes first; the next one stops Y, which was
    // left without acceleration.
    EXPECT_TRUE(load.stopFirstX && load.stopFirstY);
    load = PlanSegment(servo, 2, 0, 1);
    EXPECT_FALSE(load.stopFirstX);
    EXPECT_TRUE(load.stopFirstY);

    XyTableFields stepper = boardFields(12, 2000, 1);
    load = PlanSegment(stepper, 1, 0, 1);
    EXPECT_EQ(stepper.VelXUnits, 2000);
    EXPECT_EQ(stepper.AccXUnits, 8000);
    EXPECT_FALSE(load.stopFirstX || load.stopFirstY);
    stepper = boardFields(12, 2000000, 1);
    PlanSegment(stepper, 1, 0, 1);
    EXPECT_EQ(stepper.VelXUnits, 1048576);
    EXPECT_EQ(stepper.AccXUnits, 5242879);
}

TEST(XySegmentMoveTest, VerticalAndStillSegmentsCrawlOnXAndKeepTheSlope)
{
    XyTableFields f = boardFields(12, 1000, 2);
    f.Slope = 0.75;
    PlanSegment(f, 0, 3, 2);
    EXPECT_EQ(f.VelXUnits, 100); // 0.1 inch/s
    EXPECT_EQ(f.AccXUnits, 1000); // 1 inch/s²
    EXPECT_EQ(f.VelYUnits, 2000);
    EXPECT_EQ(f.AccYUnits, 8000);
    EXPECT_DOUBLE_EQ(f.Slope, 0.75);
    PlanSegment(f, 0, 0, 2);
    EXPECT_EQ(f.VelYUnits, 2000);

    PlanSegment(f, 3, 4, 5);
    EXPECT_DOUBLE_EQ(f.Slope, 4.0 / 3.0);
    EXPECT_EQ(f.VelXUnits, 3000);
    EXPECT_EQ(f.VelYUnits, 4000);
}

TEST(XySegmentMoveTest, CapsAndHalvesToEven)
{
    EXPECT_EQ(CapToLong(2.5, 100), 2);
    EXPECT_EQ(CapToLong(3.5, 100), 4);
    EXPECT_EQ(CapToLong(100, 100), 100);
    EXPECT_EQ(CapToLong(1e300, 0xFFFFFF), 0xFFFFFF);
    EXPECT_EQ(CapToLong(-1e300, 0xFFFFFF), -2147483647 - 1);
}

TEST(XySegmentMoveTest, StartMasksNameTheXAndYAxesOfTheBoard)
{
    EXPECT_EQ(StartMaskOf(0, 1, 2), 1);
    EXPECT_EQ(StartMaskOf(1, 2, 3), 2);
    EXPECT_EQ(StartMaskOf(2, 3, 1), 3);
    EXPECT_EQ(StartMaskOf(11, 1, 2), 3);
    EXPECT_EQ(StartMaskOf(12, 3, 4), 12);
    EXPECT_EQ(StartMaskOf(12, 4, 1), 9);
    EXPECT_FALSE(StartMaskOf(11, 2, 2));
    EXPECT_FALSE(StartMaskOf(0, 1, 4));
    EXPECT_FALSE(StartMaskOf(11, 0, 2));
}

} // namespace
} // namespace tarvik
