// The 3-axis open-loop stepper wizard where it differs from the closed-loop one: Enter only
// filters, the steps box is checked as a number that may be blank, and the find-velocity box
// tests a lone blank as 0.

#include "init/WizardTest.h"

#include "init/OpenLoopStepperWizard.h"

namespace tarvik::testing {
namespace {

constexpr int kBoard = 2;

using OpenLoopStepperWizardTest = WizardTest;

TEST_F(OpenLoopStepperWizardTest, EnterLeavesTheBoxAsTypedUntilItLosesFocus)
{
    OpenLoopStepperWizard& w = pick<OpenLoopStepperWizard>(kBoard);
    type(w.box("FindRPM", 3), "12.50");
    press(Key::Enter);
    EXPECT_EQ(w.box("FindRPM", 3).text(), "12.50");
    focus(w.box("StepsRev", 2));
    EXPECT_EQ(w.box("FindRPM", 3).text(), "12.5");
}

TEST_F(OpenLoopStepperWizardTest, ALoneBlankInFindVelocityIsResetToOneWithTheMessage)
{
    OpenLoopStepperWizard& w = pick<OpenLoopStepperWizard>(kBoard);
    w.box("FindRPM", 2).setText(" ");
    EXPECT_EQ(w.box("FindRPM", 2).text(), "1");
    EXPECT_EQ(lastError(), "Value needs to be between 1 and 1048576.");
    EXPECT_TRUE(w.cmdinit.enabled());

    // An empty box only clears its flag.
    const auto shownBefore = modalShows().size();
    w.box("FindRPM", 3).setText("");
    EXPECT_FALSE(w.cmdinit.enabled());
    EXPECT_EQ(modalShows().size(), shownBefore);
}

TEST_F(OpenLoopStepperWizardTest, StepsAreCheckedAsANumberThatMayBeBlank)
{
    OpenLoopStepperWizard& w = pick<OpenLoopStepperWizard>(kBoard);
    const auto shownBefore = modalShows().size();
    w.box("StepsRev", 3).setText(" ");
    EXPECT_FALSE(w.cmdinit.enabled());
    EXPECT_EQ(modalShows().size(), shownBefore) << "a lone blank counts as no value";

    // Compared as typed, not rounded first: just above the bound is out of range.
    w.box("StepsRev", 3).setText("32767.4");
    EXPECT_EQ(w.box("StepsRev", 3).text(), "32767");
    EXPECT_EQ(lastError(), "Value needs to be between 1 and 32767.");
    EXPECT_TRUE(w.cmdinit.enabled());

    w.box("StepsRev", 1).setText("");
    type(w.box("StepsRev", 1), "0");
    EXPECT_EQ(w.box("StepsRev", 1).text(), "1");
    EXPECT_EQ(lastError(), "Value needs to be between 1 and 32767.");
}

} // namespace
} // namespace tarvik::testing
