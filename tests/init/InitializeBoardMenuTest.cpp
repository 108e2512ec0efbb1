// The Initialize Board pick and the automatic initialisation at start-up.

#include "init/WizardTest.h"

#include "driver/StatusWords.h"
#include "init/ClosedLoopStepperWizard.h"
#include "kit/OptionFileSetUp.h"
#include "program/OptionFiles.h"
#include "program/PreferenceFile.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

using ::testing::HasSubstr;

constexpr int kBoard = 3; // the 3-axis closed-loop stepper board

// Stores option `n` of board 3's file with `steps` in axis 1's StepsPerRev.
void storeClosedLoopOption(int n, std::int16_t steps)
{
    SettingsTables tables;
    tables.ClosedLoopSettingsTable[kBoard].Axis[0].StepsPerRev = steps;
    ASSERT_TRUE(writeOption(tables, 2, kBoard, n));
}

using InitializeBoardMenuTest = WizardTest;

TEST_F(InitializeBoardMenuTest, ClosingTheConfirmationCancelsThePick)
{
    onModal("frmconfbid", [this](Form& form) { close(form); });
    chooseMenu("bidmu", kBoard);
    EXPECT_EQ(app().loaded<ClosedLoopStepperWizard>(), nullptr);
    EXPECT_EQ(app().state().wizards.WizardBoard[BoardGroup::ClosedLoop3], -1);
    EXPECT_EQ(app().state().selection.CurrentBoard, 0);
}

TEST_F(InitializeBoardMenuTest, ThePickLoadsTheOptionThePreferenceNames)
{
    storeClosedLoopOption(4, 1234);
    ASSERT_TRUE(PreferenceFile::store(kBoard, {.LoadOption = 4, .AutoInit = 0}));
    Wizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    EXPECT_EQ(app().state().wizards.GroupOption[BoardGroup::ClosedLoop3], 4);
    EXPECT_EQ(w.box("StepsRev", 1).text(), "1234");
}

TEST_F(InitializeBoardMenuTest, APreferredOptionOutsideOneToTenIsReadAsOne)
{
    storeClosedLoopOption(1, 1111);
    ASSERT_TRUE(PreferenceFile::store(kBoard, {.LoadOption = -1, .AutoInit = 0}));
    Wizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    EXPECT_EQ(app().state().wizards.GroupOption[BoardGroup::ClosedLoop3], 1);
    EXPECT_EQ(w.box("StepsRev", 1).text(), "1111");
}

TEST_F(InitializeBoardMenuTest, PickingTheShownBoardAgainAsksOnlyAboutUnsavedEdits)
{
    Wizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    chooseMenu("bidmu", kBoard);
    EXPECT_EQ(modalShows().back().form, "frmconfbid") << "no second confirmation, no save question";

    type(w.box("StepsRev", 1), "300");
    onModal("frmasksave", [this](Form& form) { close(form); });
    chooseMenu("bidmu", kBoard);
    EXPECT_EQ(w.box("StepsRev", 1).text(), "300") << "closing the question cancels the pick";
    EXPECT_EQ(modalShows().back().text, "Save Closed Loop Stepper Board 3, with Option 1?");

    answer("frmasksave", "cmdForget");
    chooseMenu("bidmu", kBoard);
    EXPECT_EQ(w.box("StepsRev", 1).text(), "2000") << "Forget drops the edits and the option is read afresh";
    EXPECT_EQ(changed(kBoard), 0);
}

TEST_F(InitializeBoardMenuTest, SaveInTheQuestionWritesTheEditsBeforeThePick)
{
    Wizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    type(w.box("StepsRev", 1), "300");
    answer("frmasksave", "cmdsave");
    chooseMenu("bidmu", kBoard);
    EXPECT_EQ(le16(fileBytes("Moxel.scl"), 32), 300);
    EXPECT_EQ(w.box("StepsRev", 1).text(), "300");
}

TEST_F(InitializeBoardMenuTest, AnUnreadableOptionIsReportedAndTheWizardStillOpens)
{
    std::vector<std::uint8_t> garbage(10, 0xFF);
    writeFileBytes("Moxel.scl", garbage);
    Wizard& w = pick<ClosedLoopStepperWizard>(kBoard);
    EXPECT_THAT(lastError(), HasSubstr("Moxel.scl"));
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(fileBytes("Moxel.scl"), garbage);
}

TEST_F(InitializeBoardMenuTest, AnOptionThatCannotBeReadLeavesTheOptionNumberWithTheRecord)
{
    storeClosedLoopOption(4, 1234);
    ASSERT_TRUE(PreferenceFile::store(kBoard, {.LoadOption = 4, .AutoInit = 0}));
    Wizard& w = pick<ClosedLoopStepperWizard>(kBoard);

    // The pick now asks for option 6 of a damaged file: the record still holds option 4.
    ASSERT_TRUE(PreferenceFile::store(kBoard, {.LoadOption = 6, .AutoInit = 0}));
    auto bytes = fileBytes("Moxel.scl");
    bytes.pop_back();
    writeFileBytes("Moxel.scl", bytes);
    chooseMenu("bidmu", kBoard);
    EXPECT_THAT(lastError(), HasSubstr("Moxel.scl"));
    EXPECT_EQ(app().state().wizards.GroupOption[BoardGroup::ClosedLoop3], 4);
    EXPECT_EQ(w.box("StepsRev", 1).text(), "1234");

    initialize(w);
    EXPECT_EQ(app().state().boards.BoardOption[kBoard], 4);
    EXPECT_EQ(w.caption(), "ID 3: Closed Loop Stepper Board, 340 -- Initialized using Option 4");
}

// Start-up with a preference file asking for board 3 to be initialised with option 2.
class AutoInitTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(PreferenceFile::createIfMissing());
        ASSERT_TRUE(createOptionFileIfMissing(*optionFileOf(2)));
        storeClosedLoopOption(2, 800);
        ASSERT_TRUE(PreferenceFile::store(kBoard, {.LoadOption = 2, .AutoInit = 1}));
    }
    Wizard* wizard() { return app().loaded<ClosedLoopStepperWizard>(); }
    std::string menuCaption() { return app().loaded<MainWindowForm>()->bidmu(kBoard).caption(); }
};

TEST_F(AutoInitTest, TheBoardIsInitialisedWithItsWizardLoadedHidden)
{
    ASSERT_TRUE(start());
    ASSERT_NE(wizard(), nullptr);
    EXPECT_FALSE(wizard()->visible());
    EXPECT_EQ(app().state().boards.BoardInitState[kBoard], 1);
    EXPECT_EQ(app().state().boards.BoardOption[kBoard], 2);
    EXPECT_EQ(app().state().xy.XCountsPerRev[kBoard], 800);
    EXPECT_EQ(wizard()->caption(), "ID 3: 3-Axis Closed-Loop Stepper Board, ISA, 340 -- Initialized using Option 2");
    EXPECT_EQ(menuCaption(), wizard()->caption());
    EXPECT_TRUE(wizard()->button(WizardButton::FindHome)->enabled());
    EXPECT_THAT(calls(), ::testing::Contains(::testing::StartsWith("set_init_stat(3,")));
    EXPECT_EQ(app().state().boards.BoardInitState[2], 0) << "only the boards whose preference asks for it";

    chooseMenu("bidmu", kBoard);
    EXPECT_TRUE(wizard()->visible()) << "the board already shown needs no confirmation";
    EXPECT_EQ(wizard()->box("StepsRev", 1).text(), "800");
}

// The option is checked as start-up reads it: reported once, naming board, option, field and
// value, and nothing of it is sent, although the preference asks for an initialisation. The
// record keeps what the file holds, for the wizard to show and mend.
TEST_F(AutoInitTest, AnOptionHoldingAValueOutOfRangeIsReportedAndNotSent)
{
    storeClosedLoopOption(2, 0);
    ASSERT_TRUE(start());
    EXPECT_EQ(app().state().boards.BoardInitState[kBoard], 0);
    EXPECT_THAT(calls(), ::testing::ElementsAre(::testing::StartsWith("get_bd_config("))) << "nothing else is sent";
    const std::vector<std::string> errors = errorWindows();
    EXPECT_THAT(errors, ::testing::ElementsAre("The settings of board ID 3 (option 2 of the file \"Moxel.scl\") hold a "
                                               "value out of range, axis 1: Steps/Rev is 0, outside 1 to 32767. Nothing "
                                               "of them is sent to the board until they are mended in the wizard."));
    EXPECT_EQ(app().state().Settings.ClosedLoopSettingsTable[kBoard].Axis[0].StepsPerRev, 0);
    EXPECT_EQ(wizard(), nullptr);

    // The pick reads the option again and reports it again; the wizard shows the bound, and
    // Initialize sends what the wizard shows.
    answer("frmconfbid", "cmdcont");
    chooseMenu("bidmu", kBoard);
    const auto shows = modalShows();
    ASSERT_GE(shows.size(), 3u);
    EXPECT_EQ(shows[shows.size() - 2].text, errors.front());
    EXPECT_EQ(shows.back().text, "Value needs to be between 1 and 32767.");
    ASSERT_NE(wizard(), nullptr);
    EXPECT_EQ(wizard()->box("StepsRev", 1).text(), "1");
    answer("frmconfinit", "cmdcont");
    click(wizard()->cmdinit);
    EXPECT_EQ(app().state().boards.BoardInitState[kBoard], 1);
    EXPECT_EQ(app().state().boards.BoardOption[kBoard], 2);
}

TEST_F(AutoInitTest, AFailureAtStartUpLeavesTheBoardNotInitialized)
{
    driver().injectFault("set_init_stat", 7);
    ASSERT_TRUE(start());
    EXPECT_EQ(app().state().boards.BoardInitState[kBoard], -1);
    EXPECT_THAT(menuCaption(), ::testing::EndsWith(" -- Not Initialized"));
    EXPECT_FALSE(wizard()->button(WizardButton::FindHome)->enabled());
    EXPECT_THAT(modalShows().back().text, ::testing::StartsWith("Board ID 3 was not initialized at start-up with "
                                                                "option 2: status 7:"));
}

// Axes that never finish their test move keep neither the user nor the program waiting. Only the
// start-up's window is in reach, and its Stop (Escape) kills the stuck board's motion and leaves it
// and the board after it not initialised, said once; File > Quit does the same and ends the
// program within a second.
TEST_F(AutoInitTest, AStuckTestMoveIsStoppedOrQuitFromTheStartUpWindow)
{
    constexpr int kLater = 5; // initialised after board 3
    ASSERT_TRUE(PreferenceFile::store(kLater, {.LoadOption = 1, .AutoInit = 1}));
    driver().scriptReturns("read_axis_stat", {AxisStatusRunning});
    after(2000, [this] {
        Form* shown = runtime().findForm("frmautoinit");
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(control<Label>(*shown, "lblstep").caption(), "Step: test move, axis 1");
        EXPECT_FALSE(runtime().input().choose(app().loaded<MainWindowForm>()->bidmu(kLater)));
        press(Key::Escape);
    });
    ASSERT_TRUE(start());
    std::vector<std::string> sent = calls();
    EXPECT_THAT(std::vector(sent.end() - 3, sent.end()),
                ::testing::ElementsAre("kill_motion(3, 1)", "kill_motion(3, 2)", "kill_motion(3, 3)"));
    EXPECT_THAT(sent, ::testing::Not(::testing::Contains(HasSubstr("(5, "))));
    EXPECT_THAT(errorWindows(),
                ::testing::ElementsAre("Initialization at start-up was stopped at board ID 3 with option 2 (step: test "
                                       "move, axis 1). The motion of board ID 3 was killed. Not initialized: boards ID "
                                       "3 and 5; initialize them from the Initialize Board menu."));
    EXPECT_THAT(menuCaption(), ::testing::EndsWith(" -- Not Initialized"));
    EXPECT_THAT(app().loaded<MainWindowForm>()->bidmu(kLater).caption(), ::testing::EndsWith(" -- Not Initialized"));
    EXPECT_EQ(runtime().findForm("frmautoinit"), nullptr);

    renewProgram({});
    driver().scriptReturns("read_axis_stat", {AxisStatusRunning});
    std::int64_t quitAt = 0;
    after(2000, [this, &quitAt] {
        quitAt = clock().nowMicros();
        chooseMenu("filequitmu");
    });
    EXPECT_FALSE(start());
    EXPECT_TRUE(runtime().ended());
    sent = calls();
    EXPECT_THAT(std::vector(sent.end() - 3, sent.end()),
                ::testing::ElementsAre("kill_motion(3, 1)", "kill_motion(3, 2)", "kill_motion(3, 3)"));
    EXPECT_LT(clock().nowMicros() - quitAt, 1'000'000);
    EXPECT_THAT(errorWindows(), ::testing::IsEmpty());
}

} // namespace
} // namespace tarvik::testing
