#include "driver/sim/SimDriverFixture.h"

#include "driver/StatusText.h"

namespace tarvik::testing {
namespace {

using SimBreakpointTest = SimDriverTest;

// Encoder boards compare against absolute breakpoints only; the motion boards that take
// breakpoints take both kinds.
TEST_F(SimBreakpointTest, EncoderBoardsRefuseRelativeBreakpoints)
{
    EXPECT_EQ(driver.enable_brk(kEncoder, 1, BreakModeAbsolute), ZEVA_noError);
    EXPECT_EQ(driver.enable_brk(kEncoder, 1, BreakModeRelative), ZEVA_argumentRangeError);
    EXPECT_EQ(driver.enable_brk(kServo4, 4, BreakModeRelative), ZEVA_noError);
    EXPECT_EQ(driver.enable_brk(kClosedLoop3, 3, BreakModeRelative), ZEVA_noError);
    EXPECT_EQ(driver.enable_brk(kServo4, 1, 1), ZEVA_argumentRangeError);
}

} // namespace
} // namespace tarvik::testing
