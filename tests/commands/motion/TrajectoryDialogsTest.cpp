// The trajectory load and stepper velocity dialogs as a user meets them: which boards each one
// lists, which keys its field takes, where its range ends and what the range message says, the
// rewrites on leaving a field, the shared axis of Load RPM, a refused call and the dialogs with
// no board of their groups configured.

#include "kit/DialogsWithoutBoards.h"

#include "commands/motion/LoadAccelerationFactorDialog.h"
#include "commands/motion/LoadRpmDialog.h"
#include "commands/motion/LoadRpspsDialog.h"
#include "commands/motion/LoadTargetPositionDialog.h"
#include "commands/motion/LoadTimeBreakpointDialog.h"
#include "commands/motion/SetBaseVelocityDialog.h"
#include "commands/motion/VelocityChangeDialog.h"
#include "driver/StatusText.h"
#include "shell/MainWindowServices.h"

#include <gmock/gmock.h>

#include <stdexcept>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;


// What the user does in these dialogs, by control name.
class TrajectoryDialogsFixture : public ProgramTest {
protected:
    using ProgramTest::ProgramTest;

};

// One dialog's field: its boards, its key set and its range as the user runs into them.
struct FieldCase {
    std::string_view item;
    std::string_view form;
    std::string_view field;
    std::vector<std::string> boards;
    std::string_view keptOfStrayKeys; // what typing "x-.1" leaves
    std::string_view message;
    std::vector<std::pair<std::string_view, std::string_view>> outside; // typed text, text after the message
};

std::ostream& operator<<(std::ostream& out, const FieldCase& c) { return out << c.form; }

const std::vector<std::string> kMotionBoards{"ID: 1", "ID: 2", "ID: 3", "ID: 4", "ID: 5", "ID: 6"};
const std::vector<std::string> kStepperBoards{"ID: 2", "ID: 3", "ID: 5", "ID: 6"};

const std::vector<FieldCase> kFieldCases = {
    {"loadtargetpos", "frm4E", "postxt", kMotionBoards, "-1",
     "Value needs to be between -2147483648 and 2147483647.",
     {{"2147483648", "2147483647"}, {"-2147483649", "-2147483648"}}},
    {"loadvel", "frm4Fs", "velotxt", kMotionBoards, "1", "Value needs to be between 0 and 16777215.",
     {{"16777216", "16777215"}}},
    {"loadrpm", "frmldrpm", "rpmtxt", kMotionBoards, ".1", "Value needs to be between 0 and 100000.",
     {{"100000.5", "100000"}}},
    {"loadaccel", "frm62", "acceltxt", kMotionBoards, "1", "Value needs to be between 1 and 5242879.",
     {{"0", "1"}, {"5242880", "5242879"}}},
    {"loadrpsps", "frmldrpsps", "rpspstxt", kMotionBoards, ".1", "Value needs to be between 0 and 100000.",
     {{"100001", "100000"}}},
    {"loadtimebrk", "frm67", "atimetxt", {"ID: 1", "ID: 4"}, "1", "Value needs to be between 0 and 65535.",
     {{"65536", "65535"}}},
    {"setbasevel1", "frm5b", "basevtxt", kStepperBoards, "1", "Value needs to be between 0 and 5000.",
     {{"5001", "5000"}}},
    {"Veladjmu", "frmAdjustVel", "adjveltxt", kStepperBoards, "-1", "Value needs to be between -20000 and 20000.",
     {{"-20001", "-20000"}, {"20001", "20000"}}},
    {"loadaccelfact1", "frm63", "accelftxt", kStepperBoards, "1", "Value needs to be between 1 and 10.",
     {{"0", "1"}, {"11", "10"}}},
};

class TrajectoryDialogsFieldTest : public TrajectoryDialogsFixture, public ::testing::WithParamInterface<FieldCase> {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
};

TEST_P(TrajectoryDialogsFieldTest, ListsItsBoardsFiltersKeysAndBringsAValueOutsideItsRangeToTheBound)
{
    const FieldCase& c = GetParam();
    Form& dialog = openFromMenu(c.item, c.form);
    EXPECT_THAT(control<ComboBox>(dialog, "bidlist").items(), ElementsAreArray(c.boards));
    TextBox& box = control(dialog, c.field);
    auto& run = control<CommandButton>(dialog, "runcmd");
    EXPECT_FALSE(run.enabled()) << "no value yet";

    retype(box, "x-.1");
    EXPECT_EQ(box.text(), c.keptOfStrayKeys);
    EXPECT_TRUE(run.enabled());
    EXPECT_TRUE(modalShows().empty());

    for (const auto& [typed, bound] : c.outside) {
        const int beepsBefore = beeps();
        const std::size_t shownBefore = modalShows().size();
        retype(box, typed);
        EXPECT_EQ(box.text(), bound) << typed;
        EXPECT_EQ(beeps(), beepsBefore + 1) << typed;
        ASSERT_EQ(modalShows().size(), shownBefore + 1) << typed;
        EXPECT_EQ(modalShows().back().form, "frmerrmsg");
        EXPECT_EQ(modalShows().back().text, c.message);
        EXPECT_TRUE(run.enabled()) << "the bound is a valid value";
    }
}

INSTANTIATE_TEST_SUITE_P(Dialogs, TrajectoryDialogsFieldTest, ::testing::ValuesIn(kFieldCases),
                         [](const auto& row) { return std::string(row.param.form); });

class TrajectoryDialogsTest : public TrajectoryDialogsFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }
};

TEST_F(TrajectoryDialogsTest, LoadRpmKeepsDecimalsAndSharesItsAxisThroughCurrentAxis)
{
    app().state().selection.CurrentAxis = 3;
    chooseMenu("loadrpm");
    auto& dialog = app().form<LoadRpmDialog>();
    EXPECT_EQ(app().state().selection.CurrentAxis, 1) << "loading resets the shared axis";

    retype(dialog.rpmtxt, ".");
    EXPECT_TRUE(dialog.runcmd.enabled()) << "a lone point is the value 0";
    focus(dialog.axistxt());
    EXPECT_EQ(dialog.rpmtxt.text(), "0");

    retype(dialog.rpmtxt, "12.50");
    retype(dialog.axistxt(), "2");
    EXPECT_EQ(dialog.rpmtxt.text(), "12.5");
    EXPECT_EQ(app().state().selection.CurrentAxis, 1) << "typing the axis alone does not share it";
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("load_rpm(1, 2, 12.5)"));
    EXPECT_EQ(app().state().selection.CurrentAxis, 2);

    ASSERT_TRUE(close(dialog));
    EXPECT_EQ(app().state().selection.CurrentAxis, 2) << "closing leaves the axis to the other dialogs";
    chooseMenu("loadrpm");
    EXPECT_EQ(app().state().selection.CurrentAxis, 1);
}

TEST_F(TrajectoryDialogsTest, LoadRpspsSendsWholeNumbersRoundedToEvenAndLeavesItsTextUnselectedOnEntry)
{
    chooseMenu("loadrpsps");
    auto& dialog = app().form<LoadRpspsDialog>();
    for (const auto& [typed, whole] : {std::pair{"12.5", "12"}, {"13.5", "14"}, {"0.5", "0"}}) {
        retype(dialog.rpspstxt, typed);
        click(dialog.runcmd);
        EXPECT_EQ(dialog.rpspstxt.text(), whole) << typed;
        EXPECT_THAT(takeCalls(), ElementsAre("load_rpsps(1, 1, " + std::string(whole) + ")"));
    }
    EXPECT_FALSE(dialog.msgtxt.text().empty());
    focus(dialog.rpspstxt);
    EXPECT_EQ(dialog.msgtxt.text(), "");
    EXPECT_EQ(dialog.rpspstxt.selLength(), 0);
}

TEST_F(TrajectoryDialogsTest, SignedFieldsTakeASignAnywhereNeedADigitAndDropAPlusOnLeaving)
{
    chooseMenu("loadtargetpos");
    auto& target = app().form<LoadTargetPositionDialog>();
    retype(target.postxt, "-");
    EXPECT_FALSE(target.runcmd.enabled()) << "a lone sign is no value";
    retype(target.postxt, "+2147483647");
    focus(target.axistxt());
    EXPECT_EQ(target.postxt.text(), "+2147483647") << "values from 2100000000 on stand as typed";
    retype(target.postxt, "5-");
    EXPECT_TRUE(target.runcmd.enabled());
    focus(target.axistxt());
    EXPECT_EQ(target.postxt.text(), "5");

    chooseMenu("Veladjmu");
    auto& change = app().form<VelocityChangeDialog>();
    retype(change.adjveltxt, "+");
    EXPECT_FALSE(change.runcmd.enabled());
    type(change.adjveltxt, "150");
    focus(change.axistxt());
    EXPECT_EQ(change.adjveltxt.text(), "150");
    EXPECT_TRUE(modalShows().empty()) << "no range message on the way";
}

TEST_F(TrajectoryDialogsTest, SetBaseVelocityTurnsADoubleZeroIntoZeroWhileItIsTyped)
{
    chooseMenu("setbasevel1");
    auto& dialog = app().form<SetBaseVelocityDialog>();
    retype(dialog.basevtxt, "00");
    EXPECT_EQ(dialog.basevtxt.text(), "0") << "still in the field";
    EXPECT_TRUE(dialog.runcmd.enabled());
    EXPECT_TRUE(modalShows().empty());
}

TEST_F(TrajectoryDialogsTest, IncrementalVelocityChangeComesBackAsItWasLeftWhileOthersAreRestored)
{
    chooseMenu("Veladjmu");
    auto& change = app().form<VelocityChangeDialog>();
    change.setWindowState(WindowState::Minimized);
    chooseMenu("Veladjmu");
    EXPECT_EQ(change.windowState(), WindowState::Minimized);

    chooseMenu("loadtimebrk");
    auto& breakpoint = app().form<LoadTimeBreakpointDialog>();
    breakpoint.setWindowState(WindowState::Minimized);
    chooseMenu("loadtimebrk");
    EXPECT_EQ(breakpoint.windowState(), WindowState::Normal);
}

TEST_F(TrajectoryDialogsTest, ARefusedCallShowsItsStatusAndKeepsTheDialogAsItWas)
{
    chooseMenu("loadtimebrk");
    auto& dialog = app().form<LoadTimeBreakpointDialog>();
    retype(dialog.axistxt(), "3");
    retype(dialog.atimetxt, "250");
    driver().injectFault("load_time_brk", ZEVA_badDeviceOrAxisError, 1);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre(::testing::StartsWith("load_time_brk(1, 3, 250)")));
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_badDeviceOrAxisError));
    EXPECT_EQ(dialog.atimetxt.text(), "250");
    EXPECT_EQ(dialog.axistxt().text(), "3");
    EXPECT_TRUE(dialog.runcmd.enabled());
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_noError));
}

// Dialogs none of whose groups is configured: told once on opening, and nothing in one can be
// used, so no Run reaches the driver. The Servo and Stepper menus are off without a board of
// their class, so those dialogs are opened as their menu items would open them.
class TrajectoryDialogsWithoutBoardsTest : public DialogsWithoutBoardsTest {
protected:
    bool menuEnabled(std::string_view menu) { return runtime().findForm("mditarvik")->findControl(menu)->enabled(); }

    template <class F>
    void expectNoBoardIn(std::string_view field)
    {
        EXPECT_FALSE(control(openWithoutBoard<F>(), field).enabled());
    }
};

TEST_F(TrajectoryDialogsWithoutBoardsTest, WithStepperAndEncoderBoardsTheAnticipationTimeBreakpointHasNone)
{
    startWith({{2, 1}, {6, 13}, {7, 14}});
    EXPECT_FALSE(menuEnabled("servomu"));
    expectNoBoardIn<LoadTimeBreakpointDialog>("atimetxt");
}

TEST_F(TrajectoryDialogsWithoutBoardsTest, WithServoAndEncoderBoardsTheStepperDialogsHaveNone)
{
    startWith({{1, 0}, {4, 11}, {7, 14}});
    EXPECT_FALSE(menuEnabled("steppermu"));
    expectNoBoardIn<LoadAccelerationFactorDialog>("accelftxt");
    expectNoBoardIn<SetBaseVelocityDialog>("basevtxt");
    expectNoBoardIn<VelocityChangeDialog>("adjveltxt");
}

} // namespace
} // namespace tarvik::testing
