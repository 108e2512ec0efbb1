// Every board group's wizard, built from its declaration, brings up its simulated board; and
// the wizards of one stepper kind keep apart the boards they show.

#include "init/WizardTest.h"

#include "base/NumberText.h"
#include "init/ClosedLoopStepper4Wizard.h"
#include "init/ClosedLoopStepperWizard.h"
#include "init/EncoderWizard.h"
#include "init/FindHomePanel.h"
#include "init/InitializeBoardMenu.h"
#include "init/LoadPidAllDialog.h"
#include "init/OpenLoopStepper4Wizard.h"
#include "init/OpenLoopStepperWizard.h"
#include "init/Servo4Wizard.h"
#include "init/ServoWizard.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

using ::testing::HasSubstr;

struct GroupCase {
    int board;
    std::string formName;
    std::string boardText;
    std::string address;
    int axes;

    friend void PrintTo(const GroupCase& c, std::ostream* out) { *out << c.formName; }
};

class WizardGroupsTest : public WizardTest, public ::testing::WithParamInterface<GroupCase> {};

TEST_P(WizardGroupsTest, TheGroupsWizardInitialisesItsBoard)
{
    const GroupCase& c = GetParam();
    answer("frmconfbid", "cmdcan");
    chooseMenu("bidmu", c.board);
    EXPECT_EQ(runtime().findForm(c.formName), nullptr) << "a cancelled pick opens nothing";
    Wizard& w = pickWizard(c.board);
    ASSERT_EQ(w.name(), c.formName);
    EXPECT_TRUE(w.visible());
    EXPECT_EQ(w.fraAxis.count(), c.axes);
    EXPECT_TRUE(w.cmdinit.enabled()) << "the default option fills every box";
    initialize(w);
    EXPECT_EQ(app().state().boards.BoardInitState[static_cast<std::size_t>(c.board)], 1) << lastError();
    EXPECT_EQ(w.caption(), "ID " + std::to_string(c.board) + ": " + c.boardText + ", " + c.address +
                               " -- Initialized using Option 1");
}

// What a box lets a user enter is what the record may hold: with every box at its lower bound,
// then at its upper bound, Initialize sends the record (the board itself may still refuse it: a
// following error of 1 count ends the servos' test move).
TEST_P(WizardGroupsTest, EveryBoxsBoundsPassTheRecordCheck)
{
    const GroupCase& c = GetParam();
    Wizard& w = pickWizard(c.board);
    for (const bool upper : {false, true}) {
        for (const WizardBox& design : w.kind().boxes)
            for (int a = 1; a <= c.axes; ++a)
                paste(w.box(design.name, a), strTrimmed(upper ? design.rule.bounds.max : design.rule.bounds.min));
        takeCalls();
        initialize(w);
        const std::vector<std::string> sent = takeCalls();
        EXPECT_FALSE(sent.empty()) << (upper ? "upper: " : "lower: ") << lastError();
        EXPECT_THAT(lastError(), ::testing::Not(HasSubstr("out of range")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryGroup, WizardGroupsTest,
    ::testing::Values(GroupCase{1, "frminitserv", "Servo Board", "300", 3},
                      GroupCase{2, "frminitstol", "Open Loop Stepper Board", "320", 3},
                      GroupCase{3, "frminitstcl", "Closed Loop Stepper Board", "340", 3},
                      GroupCase{4, "frminitserv4a", "Servo Board", "D000", 4},
                      GroupCase{5, "frminitstol4a", "Open Loop Stepper Board", "D100", 4},
                      GroupCase{6, "frminitstcl4a", "Closed Loop Stepper Board", "D200", 4},
                      GroupCase{7, "frminitPelto", "Encoder Board", "D300", 4}),
    [](const auto& row) { return row.param.formName; });

using WizardButtonsTest = WizardTest;

TEST_F(WizardButtonsTest, EachWizardHasTheButtonsOfItsKind)
{
    auto has = [](Wizard& w, WizardButton b) { return w.button(b) != nullptr; };
    Wizard& encoder = pick<EncoderWizard>(7);
    for (WizardButton b : {WizardButton::FindHome, WizardButton::FindIndex, WizardButton::IoSettings,
                           WizardButton::LimitSettings, WizardButton::StepOutput, WizardButton::PidGains})
        EXPECT_FALSE(has(encoder, b));
    EXPECT_EQ(encoder.findControl("cmbStopMod", 1), nullptr);

    Wizard& openLoop = pick<OpenLoopStepperWizard>(2);
    EXPECT_TRUE(has(openLoop, WizardButton::FindHome));
    EXPECT_FALSE(has(openLoop, WizardButton::FindIndex));
    EXPECT_TRUE(has(openLoop, WizardButton::StepOutput));
    EXPECT_EQ(openLoop.findControl("txtLinesRev", 1), nullptr);

    Wizard& servo = pick<ServoWizard>(1);
    EXPECT_TRUE(has(servo, WizardButton::FindIndex));
    EXPECT_TRUE(has(servo, WizardButton::PidGains));
    EXPECT_FALSE(has(servo, WizardButton::StepOutput));
}

// Each wizard's I/O button reads as its own window gives it.
TEST_F(WizardButtonsTest, EachWizardsIoButtonHasItsOwnCaption)
{
    const std::pair<Wizard*, std::string> cases[] = {
        {&pick<ServoWizard>(1), "IO Polarity & Dir"},       {&pick<OpenLoopStepperWizard>(2), "IO Polarity & Dir"},
        {&pick<ClosedLoopStepperWizard>(3), "IO Polarity & Direction"}, {&pick<Servo4Wizard>(4), "I/O Polarity & Dir"},
        {&pick<OpenLoopStepper4Wizard>(5), "IO Polarity & Dir"},     {&pick<ClosedLoopStepper4Wizard>(6), "IO Polarity & Direction"},
    };
    for (const auto& [wizard, shown] : cases)
        EXPECT_EQ(displayCaption(wizard->button(WizardButton::IoSettings)->caption()), shown) << wizard->name();
}

TEST_F(WizardButtonsTest, FindHomeHandsTheWizardsBoardToThePanel)
{
    Wizard& w = pick<OpenLoopStepper4Wizard>(5);
    initialize(w);
    onModal("frmfindhome", [this](Form& form) {
        EXPECT_EQ(static_cast<FindHomePanel&>(form).boardId(), 5);
        click(*form.findControl("cmdquit"));
    });
    click(*w.button(WizardButton::FindHome));
}

TEST_F(WizardButtonsTest, ServoPidButtonOpensLoadPidAllForTheWizardsBoard)
{
    Wizard& w = pick<Servo4Wizard>(4);
    click(*w.button(WizardButton::PidGains));
    auto* pid = app().loaded<LoadPidAllDialog>();
    ASSERT_NE(pid, nullptr);
    EXPECT_EQ(pid->bidlist.text(), "ID: 4");
    EXPECT_TRUE(control(*pid, "proptxt", 4).visible());
    type(control(*pid, "proptxt", 4), "250");
    takeCalls();
    click(pid->runcmd);
    const auto calls = takeCalls();
    EXPECT_THAT(calls, ::testing::Contains("load_prop_gain(4, 4, 250)"));
    EXPECT_EQ(calls.size(), 20u) << "five values for each of four axes";
    EXPECT_EQ(pid->msgtxt.text(), "status 0: ZEVA_noError. No error.");
    EXPECT_EQ(app().state().Settings.Servo4SettingsTable[4].Axis[3].PropGain, 250);
    EXPECT_EQ(changed(4), -1) << "the wizard offers to save the new gains";
}

TEST_F(WizardButtonsTest, LoadPidAllStopsAtTheFirstFailure)
{
    chooseMenu("loadpidallmu");
    auto& pid = *app().loaded<LoadPidAllDialog>();
    EXPECT_EQ(pid.bidlist.listCount(), 2) << "the two servo boards";
    EXPECT_FALSE(control(pid, "proptxt", 4).visible()) << "board 1 has three axes";
    type(control(pid, "samppertxt", 2), "0");
    EXPECT_EQ(control(pid, "samppertxt", 2).text(), "1") << "1 to 255, as in the period's own dialog";
    driver().injectFault("load_deriv_gain", 9);
    takeCalls();
    click(pid.runcmd);
    EXPECT_EQ(takeCalls().size(), 3u);
    EXPECT_THAT(pid.msgtxt.text(), HasSubstr("status 9:"));
    EXPECT_EQ(app().state().Settings.ServoSettingsTable[1].Axis[0].DerivGain, 1000);
}

TEST_F(WizardButtonsTest, TheTwoOpenLoopWizardsKeepTheirOwnBoards)
{
    Wizard& three = pick<OpenLoopStepperWizard>(2);
    Wizard& four = pick<OpenLoopStepper4Wizard>(5);
    EXPECT_EQ(app().state().wizards.WizardBoard[BoardGroup::OpenLoop3], 2);
    EXPECT_EQ(app().state().wizards.WizardBoard[BoardGroup::OpenLoop4], 5);
    type(three.box("StepsRev", 1), "1234");
    EXPECT_EQ(changed(2), -1);
    EXPECT_EQ(changed(5), 0);
    type(four.box("StepsRev", 4), "4321");
    initialize(four);
    EXPECT_EQ(app().state().Settings.OpenLoop4SettingsTable[5].Axis[3].StepsPerRev, 4321);
    EXPECT_EQ(app().state().Settings.OpenLoopSettingsTable[2].Axis[0].StepsPerRev, 2000)
        << "not copied by the other wizard";
    EXPECT_EQ(app().state().boards.BoardInitState[2], 0);
}

} // namespace
} // namespace tarvik::testing
