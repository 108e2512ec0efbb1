#include "driver/StatusText.h"
#include "driver/StatusWords.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tarvik::testing {
namespace {

TEST(StatusText, GivenTextsStandAsTheyAre) {
    EXPECT_EQ(StatusText(0), "status 0: ZEVA_noError. No error.");
    EXPECT_EQ(StatusText(14), "status 14: ZEVA_closedLoopOnlyError. This command is valid only on closed-loop axes "
                              "(closed-loop stepper and servo).");
    EXPECT_EQ(StatusText(24), "status 24: ZEVA_motionOnlyError. Motion command sent to an Encoder board.");
    EXPECT_EQ(StatusText(6).rfind("status 6: ZEVA_badDeviceOrAxisError. ", 0), 0u);
    EXPECT_EQ(StatusText(18).rfind("status 18: ZEVA_closedLoopStepperOnlyError. ", 0), 0u);
}

TEST(StatusText, CodesWithoutMeaningAreUndefined) {
    for (DriverStatus code : std::initializer_list<DriverStatus>{36, -1, 39, 32767, -32768}) {
        EXPECT_EQ(StatusText(code), "Undefined Error") << code;
        EXPECT_TRUE(StatusName(code).empty()) << code;
    }
}

TEST(StatusText, EveryNamedCodeHasItsOwnNameAndAnExplanation) {
    std::set<std::string_view> names;
    for (DriverStatus code = 0; code <= 38; ++code) {
        if (code == 36) continue;
        const std::string_view name = StatusName(code);
        EXPECT_EQ(name.rfind("ZEVA_", 0), 0u) << code;
        EXPECT_TRUE(names.insert(name).second) << "duplicate name " << name;
        const std::string text = StatusText(code);
        const std::string head = "status " + std::to_string(code) + ": " + std::string(name) + ". ";
        EXPECT_EQ(text.rfind(head, 0), 0u) << text;
        EXPECT_GT(text.size(), head.size() + 1) << text;
        EXPECT_EQ(text.back(), '.') << text;
    }
}

TEST(StatusWords, MoveDoneRule) {
    EXPECT_TRUE(AxisMoveDone(0x0400));
    EXPECT_TRUE(AxisMoveDone(0x0004));
    EXPECT_TRUE(AxisMoveDone(static_cast<std::int16_t>(0xC424))) << "ignored high bits and a following error";
    EXPECT_FALSE(AxisMoveDone(0x0484));
    EXPECT_FALSE(AxisMoveDone(0x0080));
    EXPECT_FALSE(AxisMoveDone(0x1023));
}

TEST(StatusWords, CommStatusLayouts) {
    EXPECT_EQ(CsrAxisRunning(1), 0x0100);
    EXPECT_EQ(CsrAxisRunning(4), 0x0800);
    EXPECT_EQ(CsrAxisMoveComplete(4), 0x8000);
    EXPECT_EQ(CsrAxisRunning(0), 0);
    EXPECT_EQ(CsrAxisMoveComplete(5), 0);

    EXPECT_EQ(&csrLayoutOfType(2), &CsrNarrowLayout);
    EXPECT_EQ(&csrLayoutOfType(14), &CsrEncoderLayout);
    EXPECT_EQ(&csrLayoutOfType(3), &CsrWideLayout);
    EXPECT_EQ(&csrLayoutOfType(6), &CsrEncoderLayout);
    for (int code : {-1, 10, 15, 31, -7}) EXPECT_EQ(&csrLayoutOfType(code), &CsrWideLayout) << code;
    EXPECT_EQ(CsrNarrowLayout.axisRunning(3), 0x80);
    EXPECT_EQ(CsrNarrowLayout.axisRunning(4), 0);
    EXPECT_EQ(CsrNarrowLayout.commandError, 0x04);
    EXPECT_EQ(CsrNarrowLayout.hardwareFailure, 0x10);
    EXPECT_EQ(CsrEncoderLayout.axisRunning(1), 0);
    EXPECT_TRUE(hasBits(static_cast<std::int16_t>(0x8000), CsrAxisMoveComplete(4)));
}

TEST(StatusWords, LimitWordPutsAxisOneHighest) {
    EXPECT_EQ(LimitReverse(1, 4), 0x40);
    EXPECT_EQ(LimitHome(1, 4), 0x800);
    EXPECT_EQ(LimitForward(1, 4), 0x80);
    EXPECT_EQ(LimitReverse(4, 4), 0x01);
    EXPECT_EQ(LimitHome(3, 3), 0x100);
    EXPECT_EQ(LimitForward(2, 3), 0x08);
    EXPECT_EQ(LimitHome(4, 3), 0);

    auto allInputs = [](int axes) {
        unsigned word = 0;
        for (int a = 1; a <= axes; ++a) word |= LimitReverse(a, axes) | LimitForward(a, axes) | LimitHome(a, axes);
        return word;
    };
    EXPECT_EQ(allInputs(3), 0x73Fu);
    EXPECT_EQ(allInputs(4), 0xFFFu);
}

} // namespace
} // namespace tarvik::testing
