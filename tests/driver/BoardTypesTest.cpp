#include <gtest/gtest.h>

#include <set>
#include <string>

#include "driver/BoardTypes.h"

namespace tarvik::testing {
namespace {

// The type codes of each group, as the board table must assign them.
const std::set<int> kServo4 = {3, 7, 11, 17, 25, 26};
const std::set<int> kOpenLoop4 = {4, 8, 12, 18, 20, 22, 30};
const std::set<int> kClosedLoop4 = {5, 9, 13, 19, 21, 23, 29};
const std::set<int> kEncoder = {6, 14};
const std::set<int> kUngrouped = {-1, 10, 15, 16, 24, 27, 28};

std::optional<BoardGroup> expectedGroup(int code)
{
    if (code == 0) return BoardGroup::Servo3;
    if (code == 1) return BoardGroup::OpenLoop3;
    if (code == 2) return BoardGroup::ClosedLoop3;
    if (kServo4.contains(code)) return BoardGroup::Servo4;
    if (kOpenLoop4.contains(code)) return BoardGroup::OpenLoop4;
    if (kClosedLoop4.contains(code)) return BoardGroup::ClosedLoop4;
    if (kEncoder.contains(code)) return BoardGroup::Encoder;
    return std::nullopt;
}

TEST(BoardTypes, EveryCodeBelongsToItsGroupWithItsMaskBit)
{
    for (int code = -3; code <= 33; ++code) {
        SCOPED_TRACE("type code " + std::to_string(code));
        const std::optional<BoardGroup> group = expectedGroup(code);
        EXPECT_EQ(groupOf(code), group);
        EXPECT_EQ(maskBitOf(code), group ? 1 << static_cast<int>(*group) : 0);
        EXPECT_EQ(maskAdmits(-1, code), group.has_value());
    }
    EXPECT_EQ(maskBitOf(BoardGroup::Servo3), 1);
    EXPECT_EQ(maskBitOf(BoardGroup::ClosedLoop4), 32);
    EXPECT_EQ(maskBitOf(BoardGroup::Encoder), 64);
    EXPECT_TRUE(maskAdmits(54, 1));   // the stepper-only mask
    EXPECT_FALSE(maskAdmits(54, 0));
    EXPECT_FALSE(maskAdmits(54, 14));
}

TEST(BoardTypes, AxisAndIoCountsFollowTheTypeCode)
{
    for (int code = 0; code <= 2; ++code) {
        EXPECT_EQ(axisCountOf(code), 3);
        EXPECT_EQ(ioBitCountOf(code), 6);
        EXPECT_EQ(ioPortBitCountOf(code), 6);
    }
    for (int code : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 17, 18, 19, 20, 21, 22, 23, 25, 26, 29, 30}) {
        EXPECT_EQ(axisCountOf(code), 4) << code;
        EXPECT_EQ(ioPortBitCountOf(code), 8) << code;
    }
    // Two-axis models are addressed as four-axis boards.
    EXPECT_EQ(modelAxisCountOf(7), 2);
    EXPECT_EQ(modelAxisCountOf(26), 2);
    EXPECT_EQ(modelAxisCountOf(0), 3);
    EXPECT_EQ(modelAxisCountOf(10), std::nullopt);
    // Codes whose axis count is unknown leave the caller's value alone.
    for (int code : {-1, 15, 16, 24, 27, 28, 31}) {
        EXPECT_EQ(axisCountOf(code), std::nullopt) << code;
    }
    for (int code : kServo4) EXPECT_EQ(ioBitCountOf(code), 8) << code;
    for (int code : kEncoder) EXPECT_EQ(ioBitCountOf(code), 8) << code;
    for (int code : kOpenLoop4) EXPECT_EQ(ioBitCountOf(code), 4) << code;
    for (int code : kClosedLoop4) EXPECT_EQ(ioBitCountOf(code), 4) << code;
    for (int code : kUngrouped) EXPECT_EQ(ioBitCountOf(code), 0) << code;
}

TEST(BoardTypes, ClassBusAndFamilyMatchTheGroups)
{
    for (int code = 0; code <= 30; ++code) {
        SCOPED_TRACE("type code " + std::to_string(code));
        const std::optional<BoardGroup> group = groupOf(code);
        if (!group) {
            EXPECT_EQ(classOf(code), std::nullopt);
            EXPECT_FALSE(isClosedLoopCapable(code));
            continue;
        }
        const BoardClass expected = (*group == BoardGroup::Servo3 || *group == BoardGroup::Servo4) ? BoardClass::Servo
            : (*group == BoardGroup::OpenLoop3 || *group == BoardGroup::OpenLoop4) ? BoardClass::OpenLoopStepper
            : (*group == BoardGroup::Encoder) ? BoardClass::Encoder
                                              : BoardClass::ClosedLoopStepper;
        EXPECT_EQ(classOf(code), expected);
        EXPECT_EQ(isClosedLoopCapable(code),
                  expected == BoardClass::Servo || expected == BoardClass::ClosedLoopStepper);
        // The PCI and PXI boards are exactly the codes that use the second option-file family.
        ASSERT_TRUE(busOf(code).has_value());
        EXPECT_EQ(*busOf(code) != BoardBus::Isa, code >= 11);
        EXPECT_EQ(familyOf(code) == BoardFamily::SecondGeneration, code >= 11);
    }
    std::set<std::string_view> names;
    for (int code = -1; code <= 30; ++code) {
        EXPECT_TRUE(names.insert(modelNameOf(code)).second) << "duplicate name for " << code;
    }
    EXPECT_EQ(modelNameOf(0), "3-Axis Servo Board, ISA");
    EXPECT_EQ(modelNameOf(31), "Unknown Board Type");
}

TEST(BoardTypes, ClosedLoop4ATypesAreTheTwoFourAxisServoAndClosedLoopStepperCodes)
{
    const std::set<int> expected = {3, 5, 7, 9, 11, 13, 17, 19, 21, 23, 25, 26, 29};
    for (int code = -2; code <= 32; ++code) {
        EXPECT_EQ(IsClosedLoop4AType(code), expected.contains(code)) << code;
    }
}

} // namespace
} // namespace tarvik::testing
