// The start, stop, kill, multi-axis start, mode, master/slave and scale factor dialogs where they
// go beyond a single Run: Kill All past a refusal, every Multi-Axis Start set, what clears the
// status of an option dialog, the scale factor's shared axis, and each kind without a board.
// The sessions in tests/scripts/motion-startstop-*.tvs walk the dialogs' whole roads.

#include "commands/motion/KillAllDialog.h"
#include "commands/motion/LoadPositionScaleFactorDialog.h"
#include "commands/motion/MasterSlaveDialog.h"
#include "commands/motion/MultiAxisStartDialog.h"
#include "commands/motion/SetDirectionDialog.h"
#include "commands/motion/SetOperationModeDialog.h"
#include "commands/motion/StartMotionDialog.h"
#include "driver/StatusText.h"
#include "kit/DialogsWithoutBoards.h"
#include "shell/MainWindowServices.h"

#include <gmock/gmock.h>

#include <bit>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;

constexpr const char* kStatusZero = "status 0: ZEVA_noError. No error.";

// The built-in boards: 1 to 3 three-axis (servo, open-loop, closed-loop stepper), 4 to 6 their
// four-axis kin, 7 an encoder board. Rows of a mask-63 list: boards 1 to 6 at rows 0 to 5.
class StartStopModeDialogsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }

    // Clicks the shown boxes whose state differs from `axes` (bit n-1 for box n).
    void checkAxes(MultiAxisStartDialog& dialog, int axes, int boxes)
    {
        for (int n = 1; n <= boxes; ++n) {
            const bool wanted = (axes >> (n - 1) & 1) != 0;
            if ((dialog.chkAx(n).value() == CheckBox::Checked) != wanted) click(dialog.chkAx(n));
        }
    }
};

TEST_F(StartStopModeDialogsTest, KillAllKillsEveryAxisWhateverAnEarlierOneAnswered)
{
    auto& dialog = openFromMenu<KillAllDialog>("killall");
    // A refused axis 2 leaves axis 3 still to be killed, and the refusal is told.
    driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 1, 1);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("kill_motion(1, 1)", "kill_motion(1, 2)", "kill_motion(1, 3)"));
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_boardTimeoutError));

    // On a four-axis board a success on axis 4 does not hide the refusals before it.
    select(dialog.bidlist, 3);
    driver().injectFault("kill_motion", ZEVA_badDeviceOrAxisError, 3);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("kill_motion(4, 1)", "kill_motion(4, 2)", "kill_motion(4, 3)",
                                         "kill_motion(4, 4)"));
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_badDeviceOrAxisError));
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), kStatusZero);
}

TEST_F(StartStopModeDialogsTest, MultiAxisStartCodesEveryAxisSetOfBothBoardKinds)
{
    auto& dialog = openFromMenu<MultiAxisStartDialog>("multistart");
    const std::vector<std::pair<int, int>> threeAxis{{3, 1}, {6, 2}, {5, 3}, {7, 4}};
    for (const auto& [axes, code] : threeAxis) {
        checkAxes(dialog, axes, 3);
        click(dialog.runcmd);
        EXPECT_THAT(takeCalls(), ElementsAre("multi_start(1, " + std::to_string(code) + ")")) << "axes " << axes;
    }
    select(dialog.bidlist, 4);
    for (int axes = 0; axes < 16; ++axes) {
        checkAxes(dialog, axes, 4);
        const bool twoOrMore = std::popcount(static_cast<unsigned>(axes)) >= 2;
        ASSERT_EQ(dialog.runcmd.enabled(), twoOrMore) << "axes " << axes;
        if (!twoOrMore) continue;
        click(dialog.runcmd);
        EXPECT_THAT(takeCalls(), ElementsAre("multi_start(5, " + std::to_string(axes) + ")"));
    }
    // All four ticked, then a three-axis board: box 4 hides, keeps its tick and takes no part.
    select(dialog.bidlist, 0);
    EXPECT_FALSE(dialog.chkAx(4).visible());
    click(dialog.runcmd);
    checkAxes(dialog, 1, 3);
    EXPECT_EQ(dialog.chkAx(4).value(), CheckBox::Checked);
    EXPECT_FALSE(dialog.runcmd.enabled());
    EXPECT_EQ(dialog.msgtxt.text(), "You must start at least two axes.");
    EXPECT_THAT(takeCalls(), ElementsAre("multi_start(1, 4)"));
}

TEST_F(StartStopModeDialogsTest, OptionsClearTheStatusWhenTheyChangeAndKeepTheirChoiceUntilClosed)
{
    auto& dialog = openFromMenu<SetOperationModeDialog>("setposmode");
    click(dialog.runcmd);
    click(dialog.absoluteLabel);
    EXPECT_EQ(dialog.msgtxt.text(), kStatusZero) << "the label of the chosen option changes nothing";
    click(dialog.relativeLabel);
    EXPECT_TRUE(dialog.pr.value());
    EXPECT_EQ(dialog.msgtxt.text(), "");
    select(dialog.bidlist, 4);
    click(dialog.runcmd);
    click(dialog.va);
    EXPECT_EQ(dialog.msgtxt.text(), "");
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_pos_mode(1, 1, 0)", "set_pos_mode(5, 1, 255)", "set_pos_mode(5, 1, -256)"));

    ASSERT_TRUE(close(dialog));
    auto& again = openFromMenu<SetOperationModeDialog>("setposmode");
    EXPECT_TRUE(again.pa.value()) << "each load starts at the first option";
}

TEST_F(StartStopModeDialogsTest, ScaleFactorSharesItsAxisAndPacksBothParts)
{
    app().state().selection.CurrentAxis = 3;
    auto& dialog = openFromMenu<LoadPositionScaleFactorDialog>("loadposscale1");
    EXPECT_EQ(app().state().selection.CurrentAxis, 1) << "a load with a board listed starts at axis 1";
    EXPECT_FALSE(dialog.runcmd.enabled());

    // However a zero arrives, it is answered with the range message and the bound.
    for (const std::string_view zero : {"00", "000"}) {
        paste(dialog.numertxt, zero);
        EXPECT_EQ(dialog.numertxt.text(), "1") << zero;
    }
    EXPECT_EQ(modalShows().size(), 2u);
    type(dialog.denomtxt, "32767");
    select(dialog.bidlist, 2);
    type(dialog.axistxt(), "4");
    EXPECT_EQ(app().state().selection.CurrentAxis, 1) << "only a Run shares the typed axis";
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("load_pos_scale(4, 4, 98303)"));
    EXPECT_EQ(app().state().selection.CurrentAxis, 4);
}

// Only an encoder board: no dialog of this group but Reset Position lists it.
using StartStopModeDialogsWithoutBoardsTest = DialogsWithoutBoardsTest;

TEST_F(StartStopModeDialogsWithoutBoardsTest, EveryDialogKindStaysShutWithoutABoard)
{
    openWithoutBoard<KillAllDialog>();
    EXPECT_FALSE(openWithoutBoard<StartMotionDialog>().axistxt().enabled());

    auto& multi = openWithoutBoard<MultiAxisStartDialog>();
    click(multi.chkAx(3));
    EXPECT_FALSE(multi.runcmd.enabled());

    auto& direction = openWithoutBoard<SetDirectionDialog>();
    click(direction.reverseLabel);
    EXPECT_FALSE(direction.runcmd.enabled());

    auto& masterSlave = openWithoutBoard<MasterSlaveDialog>();
    EXPECT_EQ(masterSlave.ModeCombo.listIndex(), -1);

    auto& scale = openWithoutBoard<LoadPositionScaleFactorDialog>();
    EXPECT_FALSE(scale.numertxt.enabled());
    EXPECT_FALSE(scale.denomtxt.enabled());

    EXPECT_TRUE(takeCalls().empty());
    EXPECT_EQ(beeps(), 0);
}

} // namespace
} // namespace tarvik::testing
