// The stop mode, servo gain and following error dialogs where they go beyond a single Run: what
// each keeps in the settings record and when, what Set Stop Mode and Load Following Error Count
// show as they open, the following error's range that follows the chosen board, the boxes that
// take any key, and each dialog without a board. The sessions in
// tests/scripts/motion-kept-gains-*.tvs walk the roads through option files and the wizards.

#include "kit/DialogsWithoutBoards.h"

#include "commands/motion/LoadDerivativeGainDialog.h"
#include "commands/motion/LoadDerivativeSamplePeriodDialog.h"
#include "commands/motion/LoadFollowingErrorDialog.h"
#include "commands/motion/LoadIntegralGainDialog.h"
#include "commands/motion/LoadIntegrationLimitDialog.h"
#include "commands/motion/LoadProportionalGainDialog.h"
#include "commands/motion/SetStopModeDialog.h"
#include "driver/StatusText.h"
#include "program/AxisSettings.h"
#include "shell/MainWindowServices.h"

#include <gmock/gmock.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;

constexpr std::string_view kServoRange = "Value needs to be between 1 and 32767.";
constexpr std::string_view kStepperRange = "Value needs to be between 1 and 65535.";

// The built-in boards: 1 to 3 three-axis (servo, open-loop, closed-loop stepper), 4 to 6 their
// four-axis kin, 7 an encoder board.
class GainDialogsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }

    std::string lastModalText() const { return modalShows().empty() ? "" : modalShows().back().text; }
};

// One dialog sending one value to one axis: what is typed (or the label clicked), the entry point
// and the record field the value lands in.
struct KeepCase {
    std::string_view item;
    std::string_view form;
    int board;
    std::string_view axis;
    std::string_view control; // typed into, or clicked when `text` is empty
    std::string_view text;
    std::string_view entry;
    AxisField field;
    double sent;
};

std::ostream& operator<<(std::ostream& out, const KeepCase& c) { return out << c.item << " on board " << c.board; }

const std::vector<KeepCase> kKeepCases = {
    {"setstopmode", "frm55", 3, "2", "Label3", "", "set_stop_mode", AxisField::StopMode, 1},
    {"setstopmode", "frm55", 5, "4", "Label5", "", "set_stop_mode", AxisField::StopMode, 3},
    {"loadpropgain", "frm58", 4, "2", "propgaintxt", "250", "load_prop_gain", AxisField::PropGain, 250},
    {"loadintggain", "frm59s", 1, "3", "intgaintxt", "7", "load_intg_gain", AxisField::IntgGain, 7},
    {"loadderivgain", "frm5As", 1, "3", "dergaintxt", "1200", "load_deriv_gain", AxisField::DerivGain, 1200},
    {"loadintglim", "frm5Bs", 4, "4", "intlimtxt", "0", "load_intg_lim", AxisField::IntgLimit, 0},
    {"loadderivper", "frm57s", 4, "1", "samppertxt", "255", "load_deriv_per", AxisField::DerivPeriod, 255},
    {"loadfolerr2", "frm56s", 3, "2", "follerrtxt", "250", "load_fol_err", AxisField::FollowingError, 250},
    {"loadfolerr1", "frm56s", 6, "4", "follerrtxt", "65535", "load_fol_err", AxisField::FollowingError, 65535},
    {"loadfolerr1", "frm56s", 1, "3", "follerrtxt", "32767", "load_fol_err", AxisField::FollowingError, 32767},
};

TEST_F(GainDialogsTest, EachKeepsOnlyItsFieldOfTheAxisSentToAndOnlyAfterSuccess)
{
    app().state().boards.SettingsChanged = {0, -1, 0, -1, 0, -1, 0, 0};
    const auto changedBefore = app().state().boards.SettingsChanged;
    for (const KeepCase& c : kKeepCases) {
        SCOPED_TRACE(::testing::PrintToString(c));
        Form& dialog = openFromMenu(c.item, c.form);
        type(control<Control>(dialog, "bidlist"), std::to_string(c.board));
        retype(control(dialog, "axistxt"), c.axis);
        if (c.text.empty()) click(control<Control>(dialog, c.control));
        else retype(control(dialog, c.control), c.text);
        const SettingsTables before = app().state().Settings;
        ASSERT_NE(storedSetting(c.board, std::stoi(std::string(c.axis)), c.field), c.sent) << "the value must be new";

        driver().injectFault(c.entry, ZEVA_axisRunningError, 1);
        click(control<Control>(dialog, "runcmd"));
        EXPECT_EQ(control(dialog, "msgtxt").text(), StatusText(ZEVA_axisRunningError));
        EXPECT_TRUE(app().state().Settings == before) << "a refused value is not kept";

        click(control<Control>(dialog, "runcmd"));
        SettingsTables expected = before;
        ASSERT_EQ(setAxisSetting(expected, app().state().boards.BoardType[static_cast<std::size_t>(c.board)], c.board,
                                 std::stoi(std::string(c.axis)), c.field, c.sent),
                  Stored::Exactly);
        EXPECT_TRUE(app().state().Settings == expected) << "exactly the one field of the one axis changes";
        EXPECT_EQ(takeCalls().size(), 2u);
        ASSERT_TRUE(close(dialog));
    }
    EXPECT_EQ(app().state().boards.SettingsChanged, changedBefore);
}

TEST_F(GainDialogsTest, StopModeOpensWithTheStoredModeOfAxisOneAndNeverSendsAModeNobodyChose)
{
    storeSetting(1, 2, AxisField::StopMode, 3);
    for (int mode = 1; mode <= 3; ++mode) {
        storeSetting(1, 1, AxisField::StopMode, mode);
        auto& dialog = openFromMenu<SetStopModeDialog>("setstopmode");
        EXPECT_EQ(dialog.decel.value(), mode == 1) << mode;
        EXPECT_EQ(dialog.halt.value(), mode == 2) << mode;
        EXPECT_EQ(dialog.killb.value(), mode == 3) << mode;
        EXPECT_TRUE(dialog.runcmd.enabled()) << mode;
        ASSERT_TRUE(close(dialog));
    }

    // Shown at load only: another axis or board leaves the options as they are.
    auto& dialog = openFromMenu<SetStopModeDialog>("setstopmode");
    type(dialog.axistxt(), "2");
    type(dialog.bidlist, "4");
    EXPECT_TRUE(dialog.killb.value());
    ASSERT_TRUE(close(dialog));

    // A stored mode outside 1 to 3 selects nothing, and Run waits for a choice.
    for (const int outside : {0, 4, -1}) {
        storeSetting(1, 1, AxisField::StopMode, outside);
        auto& opened = openFromMenu<SetStopModeDialog>("setstopmode");
        EXPECT_FALSE(opened.decel.value() || opened.halt.value() || opened.killb.value()) << outside;
        EXPECT_FALSE(opened.runcmd.enabled()) << outside;
        retype(opened.axistxt(), "3");
        EXPECT_FALSE(opened.runcmd.enabled()) << "a valid axis is not enough";
        ASSERT_TRUE(close(opened));
    }
    auto& chosen = openFromMenu<SetStopModeDialog>("setstopmode");
    click(chosen.haltLabel);
    EXPECT_TRUE(chosen.halt.value());
    click(chosen.runcmd);
    // The label of another option selects it and leaves the status text.
    click(chosen.killLabel);
    EXPECT_TRUE(chosen.killb.value());
    EXPECT_EQ(chosen.msgtxt.text(), StatusText(ZEVA_noError));
    click(chosen.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_stop_mode(1, 1, 2)", "set_stop_mode(1, 1, 3)"));
    EXPECT_EQ(storedSetting(1, 1, AxisField::StopMode), 3);
    EXPECT_EQ(beeps(), 0);
}

TEST_F(GainDialogsTest, FollowingErrorOpensWithTheStoredCountCheckedAsIfTyped)
{
    app().state().selection.CurrentBoard = 4;
    auto& dialog = openFromMenu<LoadFollowingErrorDialog>("loadfolerr1");
    EXPECT_EQ(dialog.follerrtxt.text(), " 1000") << "the signed form";
    EXPECT_TRUE(dialog.runcmd.enabled());
    focus(dialog.follerrtxt);
    focus(dialog.axistxt());
    EXPECT_EQ(dialog.follerrtxt.text(), "1000") << "leaving makes it whole";

    // Shown at load only.
    type(dialog.bidlist, "6");
    retype(dialog.axistxt(), "2");
    EXPECT_EQ(dialog.follerrtxt.text(), "1000");
    retype(dialog.follerrtxt, "2500");
    click(dialog.runcmd);
    ASSERT_TRUE(close(dialog));

    // Opening again shows what the record holds for axis 1 then, a count kept by a Run included.
    app().state().selection.CurrentBoard = 6;
    auto& again = openFromMenu<LoadFollowingErrorDialog>("loadfolerr2");
    EXPECT_EQ(again.follerrtxt.text(), " 100") << "axis 1, not the axis of the Run";
    retype(again.follerrtxt, "3000");
    click(again.runcmd);
    ASSERT_TRUE(close(again));
    auto& third = openFromMenu<LoadFollowingErrorDialog>("loadfolerr2");
    EXPECT_EQ(third.follerrtxt.text(), " 3000");
    ASSERT_TRUE(close(third));
    EXPECT_EQ(storedSetting(6, 2, AxisField::FollowingError), 2500);

    // A count beyond the board's range (a damaged option) is answered as the dialog opens; the
    // record keeps it until a Run succeeds.
    app().state().selection.CurrentBoard = 1;
    storeSetting(1, 1, AxisField::FollowingError, 40000);
    auto& beyond = openFromMenu<LoadFollowingErrorDialog>("loadfolerr1");
    EXPECT_EQ(lastModalText(), kServoRange);
    EXPECT_EQ(beyond.follerrtxt.text(), "32767");
    EXPECT_TRUE(beyond.runcmd.enabled());
    EXPECT_EQ(storedSetting(1, 1, AxisField::FollowingError), 40000);
    EXPECT_EQ(beeps(), 1);
}

TEST_F(GainDialogsTest, FollowingErrorIsCheckedAgainWhenABoardOfASmallerRangeIsChosen)
{
    app().state().selection.CurrentBoard = 3;
    auto& dialog = openFromMenu<LoadFollowingErrorDialog>("loadfolerr2");
    retype(dialog.follerrtxt, "50000");
    type(dialog.axistxt(), "3");
    EXPECT_TRUE(modalShows().empty()) << "a closed-loop stepper takes 50000";

    type(dialog.bidlist, "4");
    EXPECT_EQ(lastModalText(), kServoRange);
    EXPECT_EQ(dialog.follerrtxt.text(), "32767");
    EXPECT_EQ(beeps(), 1);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("load_fol_err(4, 3, 32767)"));
    EXPECT_EQ(storedSetting(4, 3, AxisField::FollowingError), 32767);

    // Back on a closed-loop stepper the wider range holds again, and four axes.
    type(dialog.bidlist, "6");
    retype(dialog.axistxt(), "4");
    EXPECT_EQ(dialog.axistxt().text(), "4");
    retype(dialog.follerrtxt, "70000");
    EXPECT_EQ(lastModalText(), kStepperRange);
    EXPECT_EQ(dialog.follerrtxt.text(), "65535");
    retype(dialog.follerrtxt, "0");
    EXPECT_EQ(lastModalText(), kStepperRange);
    EXPECT_EQ(dialog.follerrtxt.text(), "1");
    retype(dialog.follerrtxt, "\b");
    EXPECT_FALSE(dialog.runcmd.enabled());
    focus(dialog.axistxt());
    EXPECT_EQ(dialog.follerrtxt.text(), "1") << "an emptied box becomes 0 on leaving, then the bound";
    EXPECT_EQ(modalShows().size(), 4u);
}

TEST_F(GainDialogsTest, GainBoxesOpenEmptyAndTheUnfilteredOnesReadTheirLeadingNumber)
{
    for (const auto& [item, form, box] : std::vector<std::tuple<std::string_view, std::string_view, std::string_view>>{
             {"loadpropgain", "frm58", "propgaintxt"},
             {"loadintggain", "frm59s", "intgaintxt"},
             {"loadderivgain", "frm5As", "dergaintxt"},
             {"loadintglim", "frm5Bs", "intlimtxt"},
             {"loadderivper", "frm57s", "samppertxt"}}) {
        Form& dialog = openFromMenu(item, form);
        EXPECT_EQ(control(dialog, box).text(), "") << form << ": nothing is shown from the record";
        EXPECT_FALSE(control<Control>(dialog, "runcmd").enabled()) << form;
    }

    // The proportional gain's axis field takes any key; a letter counts as 0 and is clamped.
    auto& gain = *runtime().find<LoadProportionalGainDialog>();
    retype(gain.axistxt(), "x");
    EXPECT_EQ(gain.axistxt().text(), "1");
    EXPECT_EQ(beeps(), 1);
    retype(gain.propgaintxt, "x");
    EXPECT_EQ(gain.propgaintxt.text(), "") << "its value box takes digits only";
    retype(gain.propgaintxt, "00");
    EXPECT_EQ(gain.propgaintxt.text(), "0");
    EXPECT_TRUE(gain.runcmd.enabled());
    retype(gain.propgaintxt, "40000");
    EXPECT_EQ(lastModalText(), "Value needs to be between 0 and 32767.");
    EXPECT_EQ(gain.propgaintxt.text(), "32767");

    // The sample period box takes any key; its axis field digits only.
    auto& period = *runtime().find<LoadDerivativeSamplePeriodDialog>();
    retype(period.axistxt(), "x");
    EXPECT_EQ(period.axistxt().text(), "1");
    retype(period.samppertxt, "5x");
    EXPECT_TRUE(period.runcmd.enabled());
    click(period.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("load_deriv_per(1, 1, 5)"));
    EXPECT_EQ(period.samppertxt.text(), "5") << "leaving for RUN makes it whole";
    for (const auto& [typed, bound] : std::vector<std::pair<std::string_view, std::string_view>>{
             {"x", "1"}, {"0", "1"}, {"300", "255"}}) {
        retype(period.samppertxt, typed);
        EXPECT_EQ(lastModalText(), "Value needs to be between 1 and 255.") << typed;
        EXPECT_EQ(period.samppertxt.text(), bound) << typed;
    }
    EXPECT_EQ(storedSetting(1, 1, AxisField::DerivPeriod), 5);
}

// Only an encoder board: none of these dialogs lists it.
using GainDialogsWithoutBoardsTest = DialogsWithoutBoardsTest;

TEST_F(GainDialogsWithoutBoardsTest, EveryDialogStaysShutAndReadsNoRecord)
{
    auto& stopMode = openWithoutBoard<SetStopModeDialog>();
    EXPECT_TRUE(stopMode.decel.value()) << "the design-time choice";
    click(stopMode.killLabel);
    EXPECT_FALSE(stopMode.runcmd.enabled());
    EXPECT_FALSE(runtime().input().click(stopMode.runcmd));

    EXPECT_FALSE(openWithoutBoard<LoadProportionalGainDialog>().propgaintxt.enabled());
    openWithoutBoard<LoadIntegralGainDialog>();
    openWithoutBoard<LoadDerivativeGainDialog>();
    openWithoutBoard<LoadIntegrationLimitDialog>();
    openWithoutBoard<LoadDerivativeSamplePeriodDialog>();
    auto& followingError = openWithoutBoard<LoadFollowingErrorDialog>();
    EXPECT_EQ(followingError.follerrtxt.text(), "");
    EXPECT_FALSE(followingError.follerrtxt.enabled());

    EXPECT_TRUE(takeCalls().empty());
    EXPECT_EQ(beeps(), 0);
    EXPECT_TRUE(modalShows().empty());
}

} // namespace
} // namespace tarvik::testing
