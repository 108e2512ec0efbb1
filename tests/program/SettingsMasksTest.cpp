#include <gtest/gtest.h>

#include "program/SettingsMasks.h"
#include "program/SettingsTables.h"

namespace tarvik::testing {
namespace {

// Type codes of one board of each kind used below.
constexpr int kServo3 = 0;
constexpr int kOpenLoop3 = 1;
constexpr int kClosedLoop3 = 2;
constexpr int kServo4 = 11;
constexpr int kOpenLoop4 = 12;
constexpr int kClosedLoop4 = 13;
constexpr int kEncoder = 14;
constexpr int kUngrouped = 10;

// A board's record with every limit input non-inverting and enabled for nothing.
void clearLimits(SettingsTables& tables, int typeCode, int board)
{
    visitRecord(tables, typeCode, board, [](auto& record) {
        for (auto& axis : record.Axis) {
            axis.ReverseLimitInverted = axis.HomeInverted = axis.ForwardLimitInverted = 0;
            axis.LimitEnableBits = 0;
        }
        record.IoInverted.fill(0);
        record.IoInput.fill(0);
    });
}

TEST(SettingsMasks, AllInvertingGivesTheFullLimitWordOfTheAxisCount)
{
    const SettingsTables tables;
    for (int code : {kServo3, kOpenLoop3, kClosedLoop3}) {
        EXPECT_EQ(BuildLimitPolarityMask(tables, code, 3), 0x73F) << code;
        EXPECT_EQ(BuildLimitEnableMask(tables, code, 3), 0x73F) << code;
    }
    for (int code : {kServo4, kOpenLoop4, kClosedLoop4, kEncoder, 3, 29}) {
        EXPECT_EQ(BuildLimitPolarityMask(tables, code, 3), 0xFFF) << code;
        EXPECT_EQ(BuildLimitEnableMask(tables, code, 3), 0xFFF) << code;
    }
}

TEST(SettingsMasks, EachLimitInputOfEachAxisHasItsBit)
{
    struct Case {
        int code;
        int axis;
        std::int16_t reverse, forward, home;
    };
    // Axis 1 takes the highest pair; home bits start at 8.
    for (const Case& c : {Case{kServo3, 1, 0x10, 0x20, 0x400}, Case{kClosedLoop3, 3, 0x1, 0x2, 0x100},
                          Case{kOpenLoop4, 1, 0x40, 0x80, 0x800}, Case{kEncoder, 4, 0x1, 0x2, 0x100},
                          Case{kClosedLoop4, 2, 0x10, 0x20, 0x400}}) {
        SCOPED_TRACE("type " + std::to_string(c.code) + " axis " + std::to_string(c.axis));
        SettingsTables tables;
        clearLimits(tables, c.code, 2);
        EXPECT_EQ(BuildLimitPolarityMask(tables, c.code, 2), 0);
        EXPECT_EQ(BuildLimitEnableMask(tables, c.code, 2), 0);

        const auto polarity = [&](auto set) {
            clearLimits(tables, c.code, 2);
            visitAxis(tables, c.code, 2, c.axis, set);
            return BuildLimitPolarityMask(tables, c.code, 2);
        };
        EXPECT_EQ(polarity([](auto& a) { a.ReverseLimitInverted = -1; }), c.reverse);
        EXPECT_EQ(polarity([](auto& a) { a.ForwardLimitInverted = 1; }), c.forward);
        EXPECT_EQ(polarity([](auto& a) { a.HomeInverted = -1; }), c.home);

        const auto enable = [&](std::int16_t bits) {
            clearLimits(tables, c.code, 2);
            visitAxis(tables, c.code, 2, c.axis, [&](auto& a) { a.LimitEnableBits = bits; });
            return BuildLimitEnableMask(tables, c.code, 2);
        };
        EXPECT_EQ(enable(LimitEnableReverse), c.reverse);
        EXPECT_EQ(enable(LimitEnableForward), c.forward);
        EXPECT_EQ(enable(LimitEnableHome), c.home);
        EXPECT_EQ(enable(7), c.reverse | c.forward | c.home);
    }
}

TEST(SettingsMasks, IoWordCoversTheGroupsIoBits)
{
    const SettingsTables defaults;
    EXPECT_EQ(BuildIoPolarityMask(defaults, kServo3, 1), 0x3F3F);
    EXPECT_EQ(BuildIoPolarityMask(defaults, kClosedLoop3, 1), 0x3F3F);
    EXPECT_EQ(BuildIoPolarityMask(defaults, kServo4, 1), static_cast<std::int16_t>(0xFFFF));
    EXPECT_EQ(BuildIoPolarityMask(defaults, kEncoder, 1), static_cast<std::int16_t>(0xFFFF));
    // The 2/4-axis stepper records hold six entries but only four bits are configured.
    EXPECT_EQ(BuildIoPolarityMask(defaults, kOpenLoop4, 1), 0x0F0F);
    EXPECT_EQ(BuildIoPolarityMask(defaults, kClosedLoop4, 1), 0x0F0F);

    SettingsTables tables;
    clearLimits(tables, kServo4, 4);
    tables.Servo4SettingsTable[4].IoInput[2] = 1;       // bit 3 an input
    tables.Servo4SettingsTable[4].IoInverted[7] = -1;   // bit 8 inverting
    EXPECT_EQ(BuildIoPolarityMask(tables, kServo4, 4), static_cast<std::int16_t>(0x8004));
}

TEST(SettingsMasks, BoardsWithoutRecordGiveZero)
{
    const SettingsTables tables;
    EXPECT_EQ(BuildLimitPolarityMask(tables, kUngrouped, 1), 0);
    EXPECT_EQ(BuildLimitEnableMask(tables, -1, 1), 0);
    EXPECT_EQ(BuildIoPolarityMask(tables, 31, 1), 0);
    EXPECT_EQ(BuildLimitPolarityMask(tables, kServo3, -1), 0);
    EXPECT_EQ(BuildIoPolarityMask(tables, kServo3, 8), 0);
    EXPECT_EQ(StepModeWordOf(tables, kServo4, 1), std::nullopt);
    EXPECT_EQ(StepModeWordOf(tables, kEncoder, 1), std::nullopt);
    EXPECT_EQ(StepModeWordOf(tables, kOpenLoop3, 9), std::nullopt);
}

TEST(SettingsMasks, StepModeWordAddsItsThreeBits)
{
    EXPECT_EQ(StepModeWord(false, false, false), 0);
    EXPECT_EQ(StepModeWord(true, false, false), 1);
    EXPECT_EQ(StepModeWord(false, true, false), 2);
    EXPECT_EQ(StepModeWord(false, false, true), 4);
    EXPECT_EQ(StepModeWord(true, true, true), 7);

    SettingsTables tables;
    for (int code : {kOpenLoop3, kClosedLoop3, kOpenLoop4, kClosedLoop4}) {
        EXPECT_EQ(StepModeWordOf(tables, code, 5), 7) << code;
    }
    tables.OpenLoopSettingsTable[5].StepDirMode = 0;
    tables.OpenLoopSettingsTable[5].InhibitInverted = 0;
    EXPECT_EQ(StepModeWordOf(tables, kOpenLoop3, 5), 2);

    // A value other than 0 or -1: the closed-loop rule counts it, the open-loop rule does not.
    tables.ClosedLoop4SettingsTable[5].OutputInverted = 1;
    tables.OpenLoop4SettingsTable[5].OutputInverted = 1;
    EXPECT_EQ(StepModeWordOf(tables, kClosedLoop4, 5), 7);
    EXPECT_EQ(StepModeWordOf(tables, kOpenLoop4, 5), 5);
}

TEST(SettingsTables, RecordsAreReachedByTypeCodeBoardAndAxis)
{
    SettingsTables tables;
    // One field of one axis, written without knowing the record type.
    const auto setStepsPerRev = [](auto& a) {
        if constexpr (requires { a.StepsPerRev; }) {
            a.StepsPerRev = 400;
        }
    };
    EXPECT_TRUE(visitAxis(tables, 21, 3, 4, setStepsPerRev));
    EXPECT_EQ(tables.ClosedLoop4SettingsTable[3].Axis[3].StepsPerRev, 400);
    EXPECT_EQ(tables.ClosedLoop4SettingsTable[2].Axis[3].StepsPerRev, 2000);

    // Codes of one group share its table; the encoder boards have their own.
    visitAxis(tables, 6, 1, 1, [](auto& a) {
        if constexpr (requires { a.EncoderLines; }) {
            a.EncoderLines = 250;
        }
    });
    EXPECT_EQ(tables.EncoderSettingsTable[1].Axis[0].EncoderLines, 250);
    EXPECT_EQ(tables.Servo4SettingsTable[1].Axis[0].EncoderLines, 1000);

    // A field only some sub-records have.
    const auto setFollowingError = [](auto& a) {
        if constexpr (requires { a.FollowingError; }) {
            a.FollowingError = 42;
        }
    };
    visitAxis(tables, kServo3, 2, 1, setFollowingError);
    visitAxis(tables, kOpenLoop3, 2, 1, setFollowingError);
    EXPECT_EQ(tables.ServoSettingsTable[2].Axis[0].FollowingError, 42);

    EXPECT_FALSE(visitAxis(tables, kServo3, 2, 4, [](auto&) { FAIL(); }));   // 3-axis board
    EXPECT_FALSE(visitAxis(tables, kServo4, 2, 0, [](auto&) { FAIL(); }));
    EXPECT_FALSE(visitAxis(tables, kUngrouped, 2, 1, [](auto&) { FAIL(); }));
    EXPECT_FALSE(visitRecord(tables, kServo4, 8, [](auto&) { FAIL(); }));
    EXPECT_FALSE(visitRecord(tables, kServo4, -1, [](auto&) { FAIL(); }));
}

} // namespace
} // namespace tarvik::testing
