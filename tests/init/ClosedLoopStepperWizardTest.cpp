// The 3-axis closed-loop stepper wizard as a user meets it: filled from the board's option,
// edited box by box, initialised, saved and closed.

#include "init/WizardTest.h"

#include "init/ClosedLoopStepperWizard.h"
#include "init/InitializeBoardMenu.h"
#include "init/LimitSwitchSettingsDialog.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

using ::testing::HasSubstr;

constexpr int kBoard = 3;

class ClosedLoopStepperWizardTest : public WizardTest {
protected:
    ClosedLoopStepperWizard& wizard() { return *app().loaded<ClosedLoopStepperWizard>(); }
    ClosedLoopAxisSettings& axis(int a) { return app().state().Settings.ClosedLoopSettingsTable[kBoard].Axis[a - 1]; }
};

TEST_F(ClosedLoopStepperWizardTest, PickFillsTheWizardFromTheOptionAndShowsIt)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.caption(), "ID 3: 3-Axis Closed-Loop Stepper Board, ISA, 340 -- Not Initialized");
    for (int a = 1; a <= 3; ++a) {
        EXPECT_EQ(w.box("StepsRev", a).text(), "2000");
        EXPECT_EQ(w.box("LinesRev", a).text(), "500");
        EXPECT_EQ(w.box("FolErr", a).text(), "100");
        EXPECT_EQ(w.box("IndexOff", a).text(), "0");
        EXPECT_EQ(w.box("FindRPM", a).text(), "100");
        EXPECT_TRUE(w.option("btnOpenLoop", a).value());
        EXPECT_TRUE(w.option("btnHomeFwd", a).value());
        EXPECT_EQ(w.stopMode(a).text(), "Halt Mode");
    }
    EXPECT_TRUE(w.cmdinit.enabled());
    EXPECT_FALSE(w.button(WizardButton::FindHome)->enabled());
    EXPECT_FALSE(w.button(WizardButton::FindIndex)->enabled());
    EXPECT_EQ(app().state().wizards.WizardBoard[BoardGroup::ClosedLoop3], kBoard);
    EXPECT_EQ(app().state().wizards.WizardBoardShown[BoardGroup::ClosedLoop3], kBoard);
    EXPECT_EQ(app().state().selection.CurrentBoard, kBoard);
    EXPECT_EQ(changed(kBoard), 0);
}

TEST_F(ClosedLoopStepperWizardTest, OutOfRangeEntriesAreForcedToTheBoundWithTheMessage)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    w.box("StepsRev", 1).setText("");
    type(w.box("StepsRev", 1), "40000");
    EXPECT_EQ(w.box("StepsRev", 1).text(), "32767");
    EXPECT_EQ(lastError(), "Value needs to be between 1 and 32767.");
    w.box("LinesRev", 2).setText("");
    type(w.box("LinesRev", 2), "0");
    EXPECT_EQ(w.box("LinesRev", 2).text(), "1");
    EXPECT_EQ(lastError(), "Value needs to be between 1 and 16383.");
    EXPECT_EQ(changed(kBoard), -1);
}

TEST_F(ClosedLoopStepperWizardTest, EmptyOrSignOnlyBoxesDisableInitializeSilently)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    const auto shownBefore = modalShows().size();
    type(w.box("IndexOff", 2), "-");
    EXPECT_FALSE(w.cmdinit.enabled());
    type(w.box("IndexOff", 2), "5");
    EXPECT_TRUE(w.cmdinit.enabled());
    w.box("FindRPM", 3).setText(" ");
    EXPECT_FALSE(w.cmdinit.enabled());
    w.box("StepsRev", 1).setText("");
    EXPECT_EQ(modalShows().size(), shownBefore);
    EXPECT_EQ(beeps(), 0);
}

TEST_F(ClosedLoopStepperWizardTest, EnterNormalisesTheBoxAtOnce)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    type(w.box("FindRPM", 1), "2.50");
    press(Key::Enter);
    EXPECT_EQ(w.box("FindRPM", 1).text(), "2.5");
    type(w.box("IndexOff", 1), "+7");
    press(Key::Enter);
    EXPECT_EQ(w.box("IndexOff", 1).text(), "7");
}

TEST_F(ClosedLoopStepperWizardTest, FollowingErrorIsClampedSilentlyWhenLeft)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    // The check on change accepts a blank; leaving the box clamps without a message.
    w.box("FolErr", 1).setText(" ");
    EXPECT_FALSE(w.cmdinit.enabled());
    focus(w.box("FolErr", 1));
    focus(w.box("StepsRev", 1));
    EXPECT_EQ(w.box("FolErr", 1).text(), "1");
    EXPECT_EQ(lastError(), "");
    EXPECT_EQ(beeps(), 1);
    EXPECT_TRUE(w.cmdinit.enabled());
}

TEST_F(ClosedLoopStepperWizardTest, SpinnerStepsTheWholeNumberAndReturnsToZero)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    type(w.box("FindRPM", 1), "2.6");
    runtime().input().scrollTo(w.spinner("FindRPM", 1), 1);
    EXPECT_EQ(w.box("FindRPM", 1).text(), "2");
    EXPECT_EQ(w.spinner("FindRPM", 1).value(), 0);
    press(w.spinner("StepsRev", 2), Key::Up);
    EXPECT_EQ(w.box("StepsRev", 2).text(), "2001");
    EXPECT_EQ(changed(kBoard), -1);
}

TEST_F(ClosedLoopStepperWizardTest, TheKeyboardGoesFromBoxToBoxAndTheArrowsCountInTheBox)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    // From Done, Tab reaches the first box, then passes over its spinner to the same box of
    // the next axis; entering a box by Tab selects its text, so typing replaces it.
    focus(w.cmdcancel);
    press(Key::Tab);
    EXPECT_TRUE(w.box("StepsRev", 1).hasFocus());
    press(Key::Tab);
    EXPECT_TRUE(w.box("StepsRev", 2).hasFocus());
    EXPECT_EQ(w.box("StepsRev", 2).selText(), "2000");
    press(Key::Tab, ShiftMask);
    EXPECT_TRUE(w.box("StepsRev", 1).hasFocus());

    // Up counts the box's whole number up by one and Down down, as the spinner's own arrows do.
    press(w.box("StepsRev", 2), Key::Up);
    press(Key::Up);
    press(Key::Down);
    EXPECT_EQ(w.box("StepsRev", 2).text(), "2001");
    EXPECT_EQ(w.spinner("StepsRev", 2).value(), 0);
    EXPECT_TRUE(w.box("StepsRev", 2).hasFocus());
    EXPECT_EQ(changed(kBoard), -1);
}

TEST_F(ClosedLoopStepperWizardTest, InitializeSendsTheWizardsValuesAndReportsTheState)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    type(w.box("StepsRev", 2), "400");
    click(w.option("btnClosedLoop", 2));
    select(w.stopMode(2), 0);
    takeCalls();
    initialize(w);
    EXPECT_EQ(axis(2).StepsPerRev, 400);
    EXPECT_EQ(axis(2).ClosedLoop, -1);
    EXPECT_EQ(axis(2).StopMode, 1);
    EXPECT_THAT(::testing::PrintToString(takeCalls()), HasSubstr("400"));
    EXPECT_EQ(app().state().boards.BoardInitState[kBoard], 1);
    EXPECT_EQ(w.caption(), "ID 3: Closed Loop Stepper Board, 340 -- Initialized using Option 1");
    EXPECT_TRUE(w.button(WizardButton::FindHome)->enabled());
    EXPECT_TRUE(w.button(WizardButton::FindIndex)->enabled());
    EXPECT_EQ(main().bidmu(kBoard).caption(),
              "ID 3: 3-Axis Closed-Loop Stepper Board, ISA, 340 -- Initialized using Option 1");
}

TEST_F(ClosedLoopStepperWizardTest, InitializeGoesOnOnlyOnContinue)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    type(w.box("StepsRev", 1), "300");
    const std::string caption = w.caption();
    takeCalls();
    answer("frmconfinit", "cmdcan");
    click(w.cmdinit);
    onModal("frmconfinit", [this](Form& form) { close(form); });
    click(w.cmdinit);
    EXPECT_TRUE(takeCalls().empty());
    EXPECT_EQ(w.caption(), caption);
    EXPECT_EQ(axis(1).StepsPerRev, 2000);
    EXPECT_EQ(app().state().boards.BoardInitState[kBoard], 0);
}

TEST_F(ClosedLoopStepperWizardTest, AFailingSequenceLeavesTheBoardNotInitialized)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    driver().injectFault("set_stop_mode", 5);
    initialize(w);
    EXPECT_THAT(lastError(), HasSubstr("status 5:"));
    EXPECT_EQ(w.caption(), "ID 3: Closed Loop Stepper Board, 340 -- Not Initialized");
    EXPECT_FALSE(w.button(WizardButton::FindHome)->enabled());
    EXPECT_EQ(app().state().boards.BoardInitState[kBoard], -1);
}

TEST_F(ClosedLoopStepperWizardTest, AFindVelocityBeyondTheRecordsFieldIsKeptAtItsLimit)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    type(w.box("FindRPM", 1), "50000");
    w.box("StepsRev", 2).setText("");
    w.FormToRecord(kBoard);
    EXPECT_EQ(axis(1).FindRpm, 32767);
    EXPECT_EQ(w.box("FindRPM", 1).text(), "32767") << "the box shows what the record holds";
    EXPECT_EQ(axis(2).StepsPerRev, 2000) << "an empty box leaves its field as it was";
}

TEST_F(ClosedLoopStepperWizardTest, ARecordValueOutOfRangeIsReportedInTheBoxOnly)
{
    axis(1).StepsPerRev = 0;
    axis(2).StopMode = 9;
    RecordToForm(app(), kBoard);
    ClosedLoopStepperWizard& w = wizard();
    EXPECT_EQ(w.box("StepsRev", 1).text(), "1");
    EXPECT_EQ(w.stopMode(2).text(), "Kill Mode");
    const std::vector<std::string> errors = errorWindows();
    EXPECT_THAT(errors, ::testing::ElementsAre("Value needs to be between 1 and 32767.",
                                               "Value needs to be between 1 and 3."));
    EXPECT_EQ(axis(1).StepsPerRev, 0);
    EXPECT_EQ(changed(kBoard), 0);
}

TEST_F(ClosedLoopStepperWizardTest, ClosingWithEditsAsksAndCancelKeepsTheWindow)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    type(w.box("StepsRev", 1), "300");
    answer("frmasksave", "cmdCancel");
    ASSERT_FALSE(close(w));
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.box("StepsRev", 1).text(), "300");
    EXPECT_EQ(modalShows().back().text, "Save Closed Loop Stepper Board 3, with Option 1?");
}

TEST_F(ClosedLoopStepperWizardTest, ForgetClosesWithoutCopyingTheEdits)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    type(w.box("StepsRev", 1), "300");
    answer("frmasksave", "cmdForget");
    click(w.cmdcancel);
    EXPECT_EQ(app().loaded<ClosedLoopStepperWizard>(), nullptr);
    EXPECT_EQ(axis(1).StepsPerRev, 2000);
    EXPECT_EQ(changed(kBoard), 0);
    EXPECT_EQ(app().state().wizards.WizardBoardShown[BoardGroup::ClosedLoop3], -1);
    EXPECT_EQ(app().state().wizards.WizardBoard[BoardGroup::ClosedLoop3], -1) << "a board never initialised is let go";
}

TEST_F(ClosedLoopStepperWizardTest, SaveOnCloseWritesTheCurrentOption)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    type(w.box("StepsRev", 1), "300");
    initialize(w);
    answer("frmasksave", "cmdsave");
    click(w.cmdcancel);
    EXPECT_EQ(app().loaded<ClosedLoopStepperWizard>(), nullptr);
    EXPECT_EQ(le16(fileBytes("Moxel.scl"), 32), 300) << "record 1, axis 1 StepsPerRev";
    EXPECT_EQ(app().state().wizards.WizardBoard[BoardGroup::ClosedLoop3], kBoard)
        << "an initialised board stays the wizard's board";
}

TEST_F(ClosedLoopStepperWizardTest, ClosingUnloadsTheSetUpDialogsItOpened)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    click(*w.button(WizardButton::LimitSettings));
    click(*w.button(WizardButton::StepOutput));
    EXPECT_EQ(app().loaded<LimitSwitchSettingsDialog>()->mode(), SetupMode::Wizard);
    EXPECT_NE(runtime().findForm("frmLimSwSettings"), nullptr);
    click(w.cmdcancel);
    EXPECT_EQ(runtime().findForm("frmLimSwSettings"), nullptr);
    EXPECT_EQ(runtime().findForm("frmStepOutMode"), nullptr);
}

TEST_F(ClosedLoopStepperWizardTest, SecretSaveRunsSaveWhenTheCaptionSaysSave)
{
    ClosedLoopStepperWizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    w.setCaption("save");
    answer("frmsaveopt", "cancelcmd");
    w.secretmsg.setCaption("x");
    w.setCaption("other");
    w.secretmsg.setCaption("y");
}

} // namespace
} // namespace tarvik::testing
