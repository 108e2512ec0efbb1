// Start-up's part of the options: missing settings files are created (and those that cannot be
// are reported once), each configured board reads the option its preference names, and a
// damaged file is offered for replacement and left alone unless the user agrees. In a folder
// where nothing can be made, Preferences still opens.

#include "kit/ProgramTest.h"

#include "init/StartUpOptions.h"
#include "program/OptionFiles.h"
#include "shell/PreferencesAsking.h"
#include "shell/PreferencesWindow.h"

#include <gmock/gmock.h>

#include <fstream>

#include <fcntl.h>
#include <unistd.h>

namespace tarvik::testing {
namespace {

using ::testing::HasSubstr;

constexpr std::int16_t kOpenLoop3 = 2;     // type 1, "Moxel.sol"
constexpr std::int16_t kClosedLoop3 = 3;   // type 2, "Moxel.scl"

class StartUpOptionsTest : public ProgramTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
};

TEST_F(StartUpOptionsTest, CreatesMissingFilesAndReadsEachBoardsPreferredOption)
{
    for (const OptionFile& file : allOptionFiles()) std::filesystem::remove(file.name);
    std::filesystem::remove(PreferenceFile::kName);
    const std::size_t shownBefore = errorWindows().size();

    ASSERT_EQ(LoadPreferencesAsking(app()), Preferences{});
    EXPECT_EQ(std::filesystem::file_size(PreferenceFile::kName), 32u);
    Preferences preferences{};
    preferences[kClosedLoop3].LoadOption = 4;
    preferences[kOpenLoop3].LoadOption = 42;   // outside 1..10: option 1
    const PerBoard<bool> read = ReadStartUpOptions(app(), preferences);

    for (const OptionFile& file : allOptionFiles())
        EXPECT_EQ(std::filesystem::file_size(file.name), kOptionCount * recordLengthOf(file.group)) << file.name;
    EXPECT_EQ(errorWindows().size(), shownBefore);
    EXPECT_EQ(app().state().Settings.ClosedLoopSettingsTable[kClosedLoop3].Name.trimmed(), "option 4:");
    EXPECT_EQ(app().state().Settings.OpenLoopSettingsTable[kOpenLoop3].Name.trimmed(), "option 1:");
    for (std::int16_t id = 0; id < kBoardIdCount; ++id)
        EXPECT_EQ(read[static_cast<std::size_t>(id)], app().state().boards.isBoard(id)) << "board " << id;
}

TEST_F(StartUpOptionsTest, ADamagedFileKeptOnNoIsReportedByNameAndItsBoardKeepsItsRecord)
{
    std::filesystem::resize_file("Moxel.sol", 5);
    auto& record = app().state().Settings.OpenLoopSettingsTable[kOpenLoop3];
    record.Axis[0].StepsPerRev = 777;
    const OpenLoopSettings held = record;

    answerMessageBox(msgbox::No);
    const PerBoard<bool> read = ReadStartUpOptions(app(), Preferences{});

    ASSERT_EQ(messageBoxes().size(), 1u);
    EXPECT_THAT(messageBoxes().back().text, HasSubstr("\"Moxel.sol\" is damaged: it is too short"));
    EXPECT_THAT(messageBoxes().back().text, HasSubstr("\n\nReplace the option file Moxel.sol with the defaults"));
    EXPECT_FALSE(read[kOpenLoop3]);
    EXPECT_TRUE(read[kClosedLoop3]);
    EXPECT_EQ(record, held);
    EXPECT_EQ(std::filesystem::file_size("Moxel.sol"), 5u);
    ASSERT_FALSE(errorWindows().empty());
    EXPECT_THAT(errorWindows().back(), HasSubstr("board ID 2"));
    EXPECT_THAT(errorWindows().back(), HasSubstr("Moxel.sol"));
}

TEST_F(StartUpOptionsTest, ADamagedFileReplacedOnYesHoldsTheTenDefaultOptions)
{
    std::filesystem::resize_file("Moxel.sol", 2000);
    const std::size_t shownBefore = errorWindows().size();

    answerMessageBox(msgbox::Yes);
    const PerBoard<bool> read = ReadStartUpOptions(app(), Preferences{});

    EXPECT_TRUE(read[kOpenLoop3]);
    EXPECT_EQ(std::filesystem::file_size("Moxel.sol"), kOptionCount * recordLengthOf(BoardGroup::OpenLoop3));
    EXPECT_EQ(readOptionNames(1).value()[9].trimmed(), "option 10:");
    EXPECT_EQ(app().state().Settings.OpenLoopSettingsTable[kOpenLoop3].Name.trimmed(), "option 1:");
    EXPECT_EQ(errorWindows().size(), shownBefore);
}

TEST_F(StartUpOptionsTest, OnlyTheFilesOfConfiguredBoardsAreOffered)
{
    // The 4-axis boards configured are all of the second generation: none uses "Moxel4.sol".
    std::filesystem::resize_file("Moxel4.sol", 5);
    ReadStartUpOptions(app(), Preferences{});
    EXPECT_TRUE(messageBoxes().empty());
    EXPECT_EQ(std::filesystem::file_size("Moxel4.sol"), 5u);
}

// A save killed half-way leaves its temporary file: the next start-up removes those of the
// program's own names and nothing else under a similar name.
TEST_F(StartUpOptionsTest, TemporaryFilesOfAKilledSaveAreRemovedAndNothingElse)
{
    const std::vector<std::string> stale{"Moxel.prf.tmp-ab12cd34", "Moxel.sol.tmp-zzzzzzzz"};
    const std::vector<std::string> others{"Moxel.prf.tmp-AB12CD34", "Moxel.prf.tmp-ab12cd3", "notes.txt.tmp-ab12cd34",
                                          "Moxel.scl.tmp-abcdefgh"};
    for (const std::string& name : stale) std::ofstream(name) << "half";
    for (const std::string& name : {others[0], others[1], others[2]}) std::ofstream(name) << "kept";
    std::filesystem::create_symlink("Moxel.scl", others[3]);

    LoadPreferencesAsking(app());
    for (const std::string& name : stale) EXPECT_FALSE(std::filesystem::exists(name)) << name;
    for (const std::string& name : others)
        EXPECT_TRUE(std::filesystem::exists(std::filesystem::symlink_status(name))) << name;
}

// The program's start-up in a working directory it cannot write into. Root writes into any
// directory, so a test run as root starts the program as the unprivileged user "nobody".
class StartUpOptionsReadOnlyDirectoryTest : public ProgramTest {
protected:
    static constexpr uid_t kNobody = 65534;

    void SetUp() override
    {
        std::filesystem::permissions(directory(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec |
                                                      std::filesystem::perms::group_read | std::filesystem::perms::group_exec |
                                                      std::filesystem::perms::others_read | std::filesystem::perms::others_exec);
        if (::geteuid() == 0 && ::seteuid(kNobody) == 0) asNobody_ = true;
        // Whether the directory is writable as the program would find it: with the effective IDs.
        if (::faccessat(AT_FDCWD, ".", W_OK, AT_EACCESS) == 0) {
            GTEST_SKIP() << "the directory stays writable";
        }
    }

    void TearDown() override
    {
        if (asNobody_) {
            EXPECT_EQ(::seteuid(0), 0);
        }
        std::filesystem::permissions(directory(), std::filesystem::perms::owner_all);
        ProgramTest::TearDown();
    }

    bool asNobody_ = false;
};

TEST_F(StartUpOptionsReadOnlyDirectoryTest, OneWindowNamesEverySettingsFileNotCreatedAndTheReason)
{
    ASSERT_TRUE(start());
    const std::vector<std::string> errors = errorWindows();
    ASSERT_EQ(errors.size(), 1u) << ::testing::PrintToString(errors);
    EXPECT_THAT(errors[0], HasSubstr(" could not be created in the working directory \"" + directory().string() +
                                     "\": Permission denied.\n\nTarvik goes on with the default settings"));
    EXPECT_THAT(errors[0], HasSubstr("The files \"Moxel.prf\", \"Moxel.ser\", "));
    for (const OptionFile& file : allOptionFiles()) EXPECT_THAT(errors[0], HasSubstr("\"" + std::string(file.name) + "\""));
    EXPECT_TRUE(messageBoxes().empty());
    EXPECT_TRUE(std::filesystem::is_empty(directory()));
    EXPECT_EQ(app().state().Settings.OpenLoopSettingsTable[kOpenLoop3],
              SettingsTables{}.OpenLoopSettingsTable[kOpenLoop3]);
}

TEST_F(StartUpOptionsReadOnlyDirectoryTest, PreferencesOpensWithTheDefaultsAndASaveSaysItCannotWrite)
{
    ASSERT_TRUE(start());
    const std::size_t shownAtStart = modalShows().size();
    chooseMenu("fileprefmu");
    auto* prefs = app().loaded<PreferencesWindow>();
    ASSERT_NE(prefs, nullptr);
    EXPECT_EQ(modalShows().size(), shownAtStart) << "the start-up's message is not repeated";
    EXPECT_EQ(prefs->cbooption(1).listIndex(), 0);
    click(prefs->chkautoinit(1));
    click(prefs->cmdsave);
    ASSERT_EQ(modalShows().size(), shownAtStart + 1);
    EXPECT_THAT(modalShows().back().text, HasSubstr("Moxel.prf"));
    EXPECT_NE(app().loaded<PreferencesWindow>(), nullptr);
    EXPECT_TRUE(std::filesystem::is_empty(directory()));
}

} // namespace
} // namespace tarvik::testing
