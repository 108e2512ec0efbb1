// Saving and loading options: the record lands at its offset in its group's file with its name
// blank-padded, nothing else in the file changes, a damaged file is reported and never loaded or
// overwritten, and a record holding a value out of range is never saved but can be loaded.

#include "kit/ProgramTest.h"

#include "init/SaveOption.h"
#include "kit/OptionFileSetUp.h"
#include "kit/ScratchDirectory.h"
#include "program/OptionFiles.h"

#include <gmock/gmock.h>


namespace tarvik::testing {
namespace {

using ::testing::HasSubstr;

constexpr std::int16_t kClosedLoop3 = 3;   // type 2, "Moxel.scl"
constexpr std::int16_t kClosedLoop4 = 6;   // type 13, "moxpci13.scl"
constexpr std::size_t kClosedLoopLength = ClosedLoopSettings::kPackedSize;

class SaveOptionTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        ASSERT_TRUE(createMissingOptionFiles());
    }

    ClosedLoopSettings& closedLoopRecord() { return app().state().Settings.ClosedLoopSettingsTable[kClosedLoop3]; }
};

TEST_F(SaveOptionTest, SavedRecordLandsAtItsOffsetWithItsNamePaddedAndNothingElseChanges)
{
    const std::vector<std::uint8_t> before = fileBytes("Moxel.scl");
    closedLoopRecord().Axis[0].StepsPerRev = 1234;
    app().state().boards.SettingsChanged[kClosedLoop3] = -1;
    OptionOf(app(), BoardGroup::ClosedLoop3) = 2;

    ASSERT_TRUE(SaveOption(app(), kClosedLoop3, "  Gantry left  ", 4));

    const std::vector<std::uint8_t> after = fileBytes("Moxel.scl");
    ASSERT_EQ(after.size(), before.size());
    const std::size_t offset = 3 * kClosedLoopLength;
    const std::string name(after.begin() + static_cast<std::ptrdiff_t>(offset),
                           after.begin() + static_cast<std::ptrdiff_t>(offset + 32));
    EXPECT_EQ(name, "Gantry left" + std::string(21, ' '));
    // StepsPerRev of axis 1 follows the name, 16-bit little-endian.
    EXPECT_EQ(after[offset + 32], 1234 & 0xFF);
    EXPECT_EQ(after[offset + 33], 1234 >> 8);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < offset || i >= offset + kClosedLoopLength) {
            ASSERT_EQ(after[i], before[i]) << "byte " << i;
        }
    }

    EXPECT_EQ(app().state().boards.SettingsChanged[kClosedLoop3], 0);
    EXPECT_EQ(OptionOf(app(), BoardGroup::ClosedLoop3), 2);
    EXPECT_EQ(closedLoopRecord().Name.trimmed(), "Gantry left");
}

TEST_F(SaveOptionTest, ABlankNameKeepsTheRecordsNameOrElseTheFilesOne)
{
    closedLoopRecord().Name = FixedName();   // never read from a file
    ASSERT_TRUE(SaveOption(app(), kClosedLoop3, "   ", 7));
    EXPECT_EQ(readOptionNames(2).value()[6].trimmed(), "option 7:");

    closedLoopRecord().Name = FixedName("kept");
    ASSERT_TRUE(SaveOption(app(), kClosedLoop3, "", 8));
    EXPECT_EQ(readOptionNames(2).value()[7].trimmed(), "kept");
}

TEST_F(SaveOptionTest, SecondGenerationBoardsUseTheirFamilysSecondFile)
{
    const std::vector<std::uint8_t> firstFile = fileBytes("Moxel4.scl");
    app().state().Settings.ClosedLoop4SettingsTable[kClosedLoop4].Axis[3].LinesPerRev = 321;
    ASSERT_TRUE(SaveOption(app(), kClosedLoop4, "pci", 1));
    EXPECT_EQ(readOptionNames(13).value()[0].trimmed(), "pci");
    EXPECT_EQ(fileBytes("Moxel4.scl"), firstFile);

    app().state().Settings.ClosedLoop4SettingsTable[kClosedLoop4] = ClosedLoop4Settings{};
    ASSERT_TRUE(LoadOption(app(), kClosedLoop4, 1));
    EXPECT_EQ(app().state().Settings.ClosedLoop4SettingsTable[kClosedLoop4].Axis[3].LinesPerRev, 321);
}

TEST_F(SaveOptionTest, LoadReadsTheRecordAndLeavesTheWindowsStateAlone)
{
    closedLoopRecord().Axis[2].FollowingError = 4321;
    ASSERT_TRUE(SaveOption(app(), kClosedLoop3, "five", 5));
    const ClosedLoopSettings saved = closedLoopRecord();
    closedLoopRecord() = ClosedLoopSettings{};
    app().state().boards.SettingsChanged[kClosedLoop3] = -1;
    OptionOf(app(), BoardGroup::ClosedLoop3) = 1;

    ASSERT_TRUE(LoadOption(app(), kClosedLoop3, 5));
    EXPECT_EQ(closedLoopRecord(), saved);
    EXPECT_EQ(app().state().boards.SettingsChanged[kClosedLoop3], -1);
    EXPECT_EQ(OptionOf(app(), BoardGroup::ClosedLoop3), 1);
}

TEST_F(SaveOptionTest, BadBoardsAndOptionNumbersAreRefusedWithoutTouchingAFile)
{
    const std::vector<std::uint8_t> before = fileBytes("Moxel.scl");
    for (int option : {0, 11, -1}) {
        EXPECT_THAT(SaveOption(app(), kClosedLoop3, "x", option).error(), HasSubstr("no option"));
        EXPECT_THAT(LoadOption(app(), kClosedLoop3, option).error(), HasSubstr("no option"));
    }
    for (std::int16_t board : std::initializer_list<std::int16_t>{0, -1, 8}) {
        EXPECT_THAT(SaveOption(app(), board, "x", 1).error(), HasSubstr("no board"));
        EXPECT_THAT(LoadOption(app(), board, 1).error(), HasSubstr("no board"));
    }
    EXPECT_EQ(fileBytes("Moxel.scl"), before);
}

TEST_F(SaveOptionTest, ARecordOutOfRangeIsNotSavedButIsLoadedToBeMended)
{
    const std::vector<std::uint8_t> before = fileBytes("Moxel.scl");
    closedLoopRecord().Axis[1].StopMode = 0;
    app().state().boards.SettingsChanged[kClosedLoop3] = -1;
    const FileStatus saved = SaveOption(app(), kClosedLoop3, "bad", 2);
    EXPECT_THAT(saved.error(), HasSubstr("axis 2: Stop Mode is 0, outside 1 to 3."));
    EXPECT_EQ(fileBytes("Moxel.scl"), before);
    EXPECT_EQ(app().state().boards.SettingsChanged[kClosedLoop3], -1);

    // Option 2 with LinesPerRev of axis 1 (name, then six 16-bit fields) set to 20000.
    std::vector<std::uint8_t> damaged = before;
    const std::size_t at = kClosedLoopLength + 32 + 7 * 2;
    damaged[at] = 20000 & 0xFF;
    damaged[at + 1] = 20000 >> 8;
    writeFileBytes("Moxel.scl", damaged);
    closedLoopRecord() = ClosedLoopSettings{};
    ASSERT_TRUE(LoadOption(app(), kClosedLoop3, 2));
    EXPECT_EQ(closedLoopRecord().Axis[0].LinesPerRev, 20000);
    EXPECT_EQ(fileBytes("Moxel.scl"), damaged);
}

TEST_F(SaveOptionTest, AShortOrMissingFileIsReportedByNameAndLeftAsItIs)
{
    std::vector<std::uint8_t> shortFile = fileBytes("Moxel.scl");
    shortFile.resize(shortFile.size() - 1);
    writeFileBytes("Moxel.scl", shortFile);
    closedLoopRecord().Axis[0].StepsPerRev = 999;
    const ClosedLoopSettings held = closedLoopRecord();

    EXPECT_THAT(LoadOption(app(), kClosedLoop3, 1).error(), HasSubstr("Moxel.scl"));
    EXPECT_THAT(SaveOption(app(), kClosedLoop3, "x", 1).error(), HasSubstr("Moxel.scl"));
    EXPECT_EQ(fileBytes("Moxel.scl"), shortFile);
    EXPECT_EQ(closedLoopRecord(), held);

    std::filesystem::remove("Moxel.sol");
    EXPECT_THAT(LoadOption(app(), 2, 1).error(), HasSubstr("Moxel.sol"));
    EXPECT_FALSE(SaveOption(app(), 2, "x", 1));
    EXPECT_FALSE(std::filesystem::exists("Moxel.sol"));
}

TEST_F(SaveOptionTest, EachWizardGroupHasItsOwnGlobals)
{
    OptionOf(app(), BoardGroup::OpenLoop3) = 3;
    OptionOf(app(), BoardGroup::OpenLoop4) = 7;
    BoardOf(app(), BoardGroup::ClosedLoop3) = 3;
    BoardOf(app(), BoardGroup::ClosedLoop4) = 6;
    BoardShownOf(app(), BoardGroup::Encoder) = 7;
    EXPECT_EQ(app().state().wizards.GroupOption[BoardGroup::OpenLoop3], 3);
    EXPECT_EQ(app().state().wizards.GroupOption[BoardGroup::OpenLoop4], 7);
    EXPECT_EQ(app().state().wizards.WizardBoard[BoardGroup::ClosedLoop3], 3);
    EXPECT_EQ(app().state().wizards.WizardBoard[BoardGroup::ClosedLoop4], 6);
    EXPECT_EQ(app().state().wizards.WizardBoardShown[BoardGroup::Encoder], 7);
    EXPECT_EQ(app().state().wizards.WizardBoardShown[BoardGroup::Servo3], -1);
}

} // namespace
} // namespace tarvik::testing
