#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "kit/OptionFileSetUp.h"
#include "kit/ScratchDirectory.h"
#include "program/OptionFiles.h"

namespace tarvik::testing {
namespace {

using testing::fileBytes;
using testing::le16;
using testing::le32;
using testing::writeFileBytes;

std::string fileNameOf(int typeCode)
{
    const std::optional<OptionFile> file = optionFileOf(typeCode);
    return file ? std::string(file->name) : std::string();
}

TEST(OptionFiles, EveryTypeCodeHasItsFile)
{
    const std::map<std::string, std::vector<int>> expected = {
        {"Moxel.ser", {0}}, {"Moxel.sol", {1}}, {"Moxel.scl", {2}}, {"Moxel4.ser", {3, 7}},
        {"Moxel4.sol", {4, 8}}, {"Moxel4.scl", {5, 9}}, {"Moxel.enc", {6}},
        {"moxpci11.ser", {11, 17, 25, 26}}, {"moxpci12.sol", {12, 18, 20, 22, 30}},
        {"moxpci13.scl", {13, 19, 21, 23, 29}}, {"moxpci14.enc", {14}},
        {"", {-1, 10, 15, 16, 24, 27, 28, 31}},
    };
    for (const auto& [name, codes] : expected) {
        for (int code : codes) {
            EXPECT_EQ(fileNameOf(code), name) << "type code " << code;
        }
    }
    EXPECT_EQ(allOptionFiles().size(), 11u);
    EXPECT_EQ(recordLengthOf(BoardGroup::Servo3), 176u);
    EXPECT_EQ(recordLengthOf(BoardGroup::Servo4), 224u);
    EXPECT_EQ(recordLengthOf(BoardGroup::Encoder), 224u);
    EXPECT_EQ(recordLengthOf(BoardGroup::OpenLoop3), 110u);
    EXPECT_EQ(recordLengthOf(BoardGroup::OpenLoop4), 126u);
    EXPECT_EQ(recordLengthOf(BoardGroup::ClosedLoop3), 146u);
    EXPECT_EQ(recordLengthOf(BoardGroup::ClosedLoop4), 174u);
}

class OptionFilesTest : public ::testing::Test {
protected:
    testing::ScratchDirectory scratch;
};

TEST_F(OptionFilesTest, MissingFilesAreCreatedWithTenNamedDefaultRecords)
{
    EXPECT_TRUE(createMissingOptionFiles());
    const std::map<std::string, std::size_t> sizes = {
        {"Moxel.ser", 176}, {"Moxel.sol", 110}, {"Moxel.scl", 146}, {"Moxel4.ser", 224},
        {"Moxel4.sol", 126}, {"Moxel4.scl", 174}, {"Moxel.enc", 224}, {"moxpci11.ser", 224},
        {"moxpci12.sol", 126}, {"moxpci13.scl", 174}, {"moxpci14.enc", 224},
    };
    for (const auto& [name, length] : sizes) {
        SCOPED_TRACE(name);
        const RecordBytes bytes = fileBytes(name);
        ASSERT_EQ(bytes.size(), 10 * length);
        for (std::size_t n = 1; n <= 10; ++n) {
            const std::string expected = "option " + std::to_string(n) + ":";
            const std::string stored(bytes.begin() + static_cast<long>((n - 1) * length),
                                     bytes.begin() + static_cast<long>((n - 1) * length + 32));
            EXPECT_EQ(stored, expected + std::string(32 - expected.size(), ' '));
        }
    }
    // A default field in a default record, in the last record of a closed-loop file.
    const RecordBytes closed = fileBytes("Moxel.scl");
    EXPECT_EQ(le16(closed, 9 * 146 + 32), 2000);        // axis 1 StepsPerRev
    EXPECT_EQ(le32(closed, 9 * 146 + 32 + 20), 100);    // axis 1 FollowingError
    EXPECT_EQ(le16(closed, 9 * 146 + 144), -1);         // StepDirMode
    EXPECT_FALSE(std::filesystem::exists("Moxel.scl.tmp"));

    const FileResult<std::vector<FixedName>> names = readOptionNames(20);
    ASSERT_TRUE(names) << names.error();
    ASSERT_EQ(names.value().size(), 10u);
    EXPECT_EQ(names.value()[9].trimmed(), "option 10:");
}

TEST_F(OptionFilesTest, ExistingFilesAreKeptEvenWhenDamaged)
{
    writeFileBytes("Moxel4.ser", {1, 2, 3});
    EXPECT_TRUE(createMissingOptionFiles());
    EXPECT_EQ(fileBytes("Moxel4.ser"), (RecordBytes{1, 2, 3}));

    SettingsTables tables;
    FileStatus read = readOption(tables, 3, 2, 1);
    ASSERT_FALSE(read);
    EXPECT_NE(read.error().find("\"Moxel4.ser\""), std::string::npos) << read.error();
    EXPECT_NE(read.error().find("too short"), std::string::npos) << read.error();
    EXPECT_EQ(tables.Servo4SettingsTable[2], Servo4Settings{});
    EXPECT_FALSE(writeOption(tables, 7, 2, 1));
    EXPECT_EQ(fileBytes("Moxel4.ser"), (RecordBytes{1, 2, 3}));
    EXPECT_FALSE(readOptionNames(3));
}

TEST_F(OptionFilesTest, AWrittenOptionLandsAtItsOffsetAndReadsBackIntoAnotherBoard)
{
    ASSERT_TRUE(createMissingOptionFiles());
    const RecordBytes before = fileBytes("moxpci13.scl");

    SettingsTables tables;
    ClosedLoop4Settings& record = tables.ClosedLoop4SettingsTable[4];
    record.Name = FixedName("Gantry");
    record.Axis[1].FollowingError = 4321;
    record.StepDirMode = 0;
    ASSERT_TRUE(writeOption(tables, 19, 4, 3));

    const RecordBytes after = fileBytes("moxpci13.scl");
    const std::size_t at = 2 * 174;
    EXPECT_EQ(std::string(after.begin() + at, after.begin() + at + 6), "Gantry");
    EXPECT_EQ(le32(after, at + 32 + 28 + 20), 4321);
    EXPECT_EQ(le16(after, at + 172), 0);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < at || i >= at + 174) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i << " outside option 3 changed";
        }
    }

    ASSERT_TRUE(readOption(tables, 29, 6, 3));
    EXPECT_EQ(tables.ClosedLoop4SettingsTable[6], record);
    // The 2/4-axis ISA file of the same group is a different file.
    ASSERT_TRUE(readOption(tables, 5, 6, 3));
    EXPECT_EQ(tables.ClosedLoop4SettingsTable[6].Name.trimmed(), "option 3:");
}

TEST_F(OptionFilesTest, RequestsWithoutFileBoardOrOptionAreRefused)
{
    ASSERT_TRUE(createMissingOptionFiles());
    SettingsTables tables;
    EXPECT_NE(readOption(tables, 10, 1, 1).error().find("has no option file"), std::string::npos);
    EXPECT_FALSE(writeOption(tables, -1, 1, 1));
    EXPECT_FALSE(readOptionNames(15));
    EXPECT_FALSE(readOption(tables, 0, 8, 1));
    EXPECT_FALSE(writeOption(tables, 0, -1, 1));
    EXPECT_FALSE(readOption(tables, 0, 1, 0));
    EXPECT_FALSE(writeOption(tables, 0, 1, 11));
    EXPECT_EQ(tables.ServoSettingsTable[1], ServoSettings{});
}

} // namespace
} // namespace tarvik::testing
