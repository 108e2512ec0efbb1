#include "program/AxisSettings.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tarvik::testing {
namespace {

// Type codes: 0 3-axis servo, 1 3-axis open-loop stepper, 13 4-axis closed-loop stepper,
// 14 encoder, 10 no group.
TEST(AxisSettings, EachFieldReachesTheAxisOfTheBoardsRecordInItsGroupsTable)
{
    SettingsTables tables;
    EXPECT_EQ(setAxisSetting(tables, 13, 6, 4, AxisField::LinesPerRev, 800), Stored::Exactly);
    EXPECT_EQ(tables.ClosedLoop4SettingsTable[6].Axis[3].LinesPerRev, 800);
    EXPECT_EQ(tables.ClosedLoop4SettingsTable[6].Axis[2].LinesPerRev, 500) << "only the one axis";
    EXPECT_EQ(tables.ClosedLoop4SettingsTable[5].Axis[3].LinesPerRev, 500) << "only the one board";

    EXPECT_EQ(setAxisSetting(tables, 0, 1, 2, AxisField::PropGain, 120), Stored::Exactly);
    EXPECT_EQ(axisSetting(tables, 0, 1, 2, AxisField::PropGain), 120);
    EXPECT_EQ(axisSetting(tables, 14, 7, 1, AxisField::FollowingError), 1000) << "the encoder table's own record";
    EXPECT_EQ(setAxisSetting(tables, 0, 1, 1, AxisField::FollowingError, 70000), Stored::Exactly)
        << "the following error is 32-bit";
    EXPECT_EQ(axisSetting(tables, 0, 1, 1, AxisField::FindRpm), 500.0);
}

TEST(AxisSettings, NothingForAMissingGroupBoardAxisOrField)
{
    SettingsTables tables;
    EXPECT_EQ(axisSetting(tables, 10, 1, 1, AxisField::StopMode), std::nullopt);
    EXPECT_EQ(axisSetting(tables, 0, -1, 1, AxisField::StopMode), std::nullopt);
    EXPECT_EQ(axisSetting(tables, 0, 8, 1, AxisField::StopMode), std::nullopt);
    EXPECT_EQ(axisSetting(tables, 0, 1, 4, AxisField::StopMode), std::nullopt) << "a 3-axis record";
    EXPECT_EQ(axisSetting(tables, 0, 1, 0, AxisField::StopMode), std::nullopt);
    EXPECT_EQ(axisSetting(tables, 1, 2, 1, AxisField::PropGain), std::nullopt) << "steppers have no gains";
    EXPECT_EQ(axisSetting(tables, 1, 2, 1, AxisField::RefOffset), std::nullopt);
    EXPECT_EQ(axisSetting(tables, 0, 1, 1, AxisField::StepsPerRev), std::nullopt);
    EXPECT_EQ(setAxisSetting(tables, 1, 2, 1, AxisField::LinesPerRev, 5), Stored::NoSuchField);
    EXPECT_EQ(setAxisSetting(tables, 10, 2, 1, AxisField::StopMode, 1), Stored::NoSuchField);
    EXPECT_EQ(tables, SettingsTables{});
}

TEST(AxisSettings, ValuesAreKeptWithinTheFieldsTypeRoundedHalvesToEven)
{
    SettingsTables tables;
    EXPECT_EQ(setAxisSetting(tables, 1, 2, 1, AxisField::FindRpm, 40000), Stored::AtLimit)
        << "the stepper find velocity is 16-bit";
    EXPECT_EQ(axisSetting(tables, 1, 2, 1, AxisField::FindRpm), 32767);
    EXPECT_EQ(setAxisSetting(tables, 0, 1, 1, AxisField::RefOffset, -40000), Stored::AtLimit);
    EXPECT_EQ(axisSetting(tables, 0, 1, 1, AxisField::RefOffset), -32768);
    EXPECT_EQ(setAxisSetting(tables, 0, 1, 1, AxisField::DerivGain, 12.5), Stored::Exactly);
    EXPECT_EQ(axisSetting(tables, 0, 1, 1, AxisField::DerivGain), 12);
    EXPECT_EQ(setAxisSetting(tables, 0, 1, 1, AxisField::FindRpm, 12.5), Stored::Exactly);
    EXPECT_EQ(axisSetting(tables, 0, 1, 1, AxisField::FindRpm), 12.5) << "a double field keeps its fraction";
}

} // namespace
} // namespace tarvik::testing
