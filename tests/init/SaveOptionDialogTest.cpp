// Save Initialization Option, opened from a wizard: the record lands in its place in the
// option file under the name typed, and nothing is saved without a picked row.

#include "init/WizardTest.h"

#include "init/ClosedLoopStepperWizard.h"
#include "init/SaveOptionDialog.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

constexpr std::size_t kRecord = 146; // bytes per closed-loop 3-axis record

using SaveOptionDialogTest = WizardTest;

TEST_F(SaveOptionDialogTest, SavesTheWizardAsThePickedOptionUnderTheTypedName)
{
    Wizard& w = pick<ClosedLoopStepperWizard>(3);
    type(w.box("StepsRev", 2), "1500");
    const auto before = fileBytes("Moxel.scl");
    onModal("frmsaveopt", [this](Form& form) {
        auto& window = static_cast<SaveOptionDialog&>(form);
        EXPECT_FALSE(window.savecmd.enabled());
        select(window.savelist, 3);
        EXPECT_EQ(window.nametxt.text(), "option 4:");
        type(window.nametxt, "fast moves");
        click(window.savecmd);
    });
    click(w.cmdsave);
    const auto after = fileBytes("Moxel.scl");
    ASSERT_EQ(after.size(), before.size());
    const std::size_t at = 3 * kRecord;
    EXPECT_EQ(std::string(after.begin() + at, after.begin() + at + 32), "fast moves" + std::string(22, ' '));
    EXPECT_EQ(le16(after, at + 32 + 28), 1500) << "axis 2 StepsPerRev";
    EXPECT_TRUE(std::equal(before.begin(), before.begin() + at, after.begin())) << "records 1 to 3 untouched";
    EXPECT_TRUE(std::equal(before.begin() + at + kRecord, before.end(), after.begin() + at + kRecord));
    EXPECT_EQ(app().state().wizards.GroupOption[BoardGroup::ClosedLoop3], 1) << "saving leaves the option global as it was";
    EXPECT_EQ(changed(3), 0);
    EXPECT_EQ(app().loaded<SaveOptionDialog>(), nullptr);
}

// Pasted control characters are taken out at once, as typed ones edit nothing: the list, the
// file and the next wizard never see a line end or an escape in a name.
TEST_F(SaveOptionDialogTest, ControlCharactersNeverReachTheName)
{
    Wizard& w = pick<ClosedLoopStepperWizard>(3);
    onModal("frmsaveopt", [this](Form& form) {
        auto& window = static_cast<SaveOptionDialog&>(form);
        select(window.savelist, 1);
        paste(window.nametxt, "\x1B[2JX\ttable\r\n\x7F");
        EXPECT_EQ(window.nametxt.text(), "[2JXtable");
        click(window.savecmd);
    });
    click(w.cmdsave);
    const auto file = fileBytes("Moxel.scl");
    EXPECT_EQ(std::string(file.begin() + kRecord, file.begin() + kRecord + 32), "[2JXtable" + std::string(23, ' '));
}

TEST_F(SaveOptionDialogTest, NothingIsSavedWithoutAPickedRow)
{
    Wizard& w = pick<ClosedLoopStepperWizard>(3);
    type(w.box("StepsRev", 1), "999");
    const auto before = fileBytes("Moxel.scl");
    onModal("frmsaveopt", [this](Form& form) {
        auto& window = static_cast<SaveOptionDialog&>(form);
        type(window.nametxt, "unsaved");
        press(Key::Enter);
        EXPECT_TRUE(window.isLoaded());
        click(window.cancelcmd);
    });
    click(w.cmdsave);
    EXPECT_EQ(fileBytes("Moxel.scl"), before);
    EXPECT_EQ(changed(3), -1);
}

TEST_F(SaveOptionDialogTest, AFileThatCannotBeWrittenIsReportedAndTheWindowStays)
{
    Wizard& w = pick<ClosedLoopStepperWizard>(3);
    auto bytes = fileBytes("Moxel.scl");
    bytes.push_back(0);
    onModal("frmsaveopt", [this, &bytes](Form& form) {
        auto& window = static_cast<SaveOptionDialog&>(form);
        select(window.savelist, 0);
        writeFileBytes("Moxel.scl", bytes);
        click(window.savecmd);
        EXPECT_TRUE(window.isLoaded());
        click(window.cancelcmd);
    });
    click(w.cmdsave);
    EXPECT_THAT(lastError(), ::testing::HasSubstr("Moxel.scl"));
    EXPECT_EQ(fileBytes("Moxel.scl"), bytes);
}

} // namespace
} // namespace tarvik::testing
