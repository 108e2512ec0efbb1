// Load Initialization Option, opened from a wizard: the ten options of the board's file, and
// what loading one does to the record, the option global and the wizard.

#include "init/WizardTest.h"

#include "init/ClosedLoopStepperWizard.h"
#include "init/LoadOptionDialog.h"
#include "init/OpenLoopStepper4Wizard.h"
#include "program/OptionFiles.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

using ::testing::HasSubstr;

class LoadOptionDialogTest : public WizardTest {
protected:
    // Stores option `n` of a board's file holding `steps` in axis 1's StepsPerRev.
    void storeOption(int board, int n, std::int16_t steps)
    {
        SettingsTables tables;
        const int type = app().state().boards.BoardType[static_cast<std::size_t>(board)];
        visitAxis(tables, type, board, 1, [&](auto& a) {
            if constexpr (requires { a.StepsPerRev; }) a.StepsPerRev = steps;
        });
        ASSERT_TRUE(writeOption(tables, type, board, n));
    }
};

TEST_F(LoadOptionDialogTest, ListsTheTenOptionsWithLoadDisabledUntilARowIsPicked)
{
    Wizard& w = pick<ClosedLoopStepperWizard>(3);
    onModal("frmloadopt", [this](Form& form) {
        auto& window = static_cast<LoadOptionDialog&>(form);
        ASSERT_EQ(window.loadlist.listCount(), 10);
        EXPECT_EQ(window.loadlist.list(0), "option 1:" + std::string(23, ' '));
        EXPECT_EQ(window.loadlist.list(9), "option 10:" + std::string(22, ' '));
        EXPECT_FALSE(window.loadcmd.enabled());
        EXPECT_EQ(window.loadlist.listIndex(), -1);
        select(window.loadlist, 4);
        EXPECT_TRUE(window.loadcmd.enabled());
        EXPECT_EQ(window.loadlist.listIndex(), 4);
        click(window.cancelcmd);
    });
    click(w.cmdload);
    EXPECT_EQ(app().loaded<LoadOptionDialog>(), nullptr);
    EXPECT_EQ(app().state().wizards.GroupOption[BoardGroup::ClosedLoop3], 1) << "Cancel loads nothing";
}

TEST_F(LoadOptionDialogTest, DoubleClickLoadsTheOptionIntoTheBoardsOwnWizard)
{
    storeOption(5, 3, 777);
    Wizard& w = pick<OpenLoopStepper4Wizard>(5);
    type(w.box("StepsRev", 2), "55");
    onModal("frmloadopt", [this](Form& form) {
        auto& window = static_cast<LoadOptionDialog&>(form);
        select(window.loadlist, 2);
        doubleClick(window.loadlist);
    });
    click(w.cmdload);
    EXPECT_EQ(app().state().wizards.GroupOption[BoardGroup::OpenLoop4], 3);
    EXPECT_EQ(app().state().wizards.GroupOption[BoardGroup::OpenLoop3], 1)
        << "the 3-axis open-loop wizard keeps its own option";
    EXPECT_EQ(w.box("StepsRev", 1).text(), "777");
    EXPECT_EQ(w.box("StepsRev", 2).text(), "2000");
    EXPECT_EQ(changed(5), 0);
    EXPECT_EQ(w.caption(), "ID 5: 4-Axis Open-Loop Stepper Board, PCI, D100 -- Not Initialized");
}

TEST_F(LoadOptionDialogTest, ADamagedFileIsReportedAndLeftAlone)
{
    Wizard& w = pick<ClosedLoopStepperWizard>(3);
    auto bytes = fileBytes("Moxel.scl");
    bytes.resize(bytes.size() - 7);
    writeFileBytes("Moxel.scl", bytes);
    onModal("frmloadopt", [this](Form& form) {
        EXPECT_EQ(static_cast<LoadOptionDialog&>(form).loadlist.listCount(), 0);
        click(static_cast<LoadOptionDialog&>(form).cancelcmd);
    });
    click(w.cmdload);
    EXPECT_THAT(lastError(), HasSubstr("Moxel.scl"));
    EXPECT_EQ(fileBytes("Moxel.scl"), bytes);
}

TEST_F(LoadOptionDialogTest, AnOptionHoldingAValueOutOfRangeIsLoadedWithTheBoundInTheBox)
{
    storeOption(3, 2, 0);
    Wizard& w = pick<ClosedLoopStepperWizard>(3);
    onModal("frmloadopt", [this](Form& form) {
        auto& window = static_cast<LoadOptionDialog&>(form);
        select(window.loadlist, 1);
        click(window.loadcmd);
    });
    click(w.cmdload);
    const std::vector<std::string> errors = errorWindows();
    EXPECT_THAT(errors, ::testing::ElementsAre("The settings of board ID 3 (option 2 of the file \"Moxel.scl\") hold a "
                                               "value out of range, axis 1: Steps/Rev is 0, outside 1 to 32767. Nothing "
                                               "of them is sent to the board until they are mended in the wizard.",
                                               "Value needs to be between 1 and 32767."));
    EXPECT_EQ(app().state().wizards.GroupOption[BoardGroup::ClosedLoop3], 2);
    EXPECT_EQ(app().state().Settings.ClosedLoopSettingsTable[3].Axis[0].StepsPerRev, 0)
        << "the record as the file holds it";
    EXPECT_EQ(w.box("StepsRev", 1).text(), "1");
    EXPECT_EQ(app().loaded<LoadOptionDialog>(), nullptr);

    // Initialize sends what the window shows: the mended value.
    takeCalls();
    initialize(w);
    EXPECT_EQ(app().state().Settings.ClosedLoopSettingsTable[3].Axis[0].StepsPerRev, 1);
    EXPECT_THAT(calls(), ::testing::Contains("load_steps_lines(3, 1, 32768001)"));
    EXPECT_EQ(app().state().boards.BoardInitState[3], 1);
}

} // namespace
} // namespace tarvik::testing
