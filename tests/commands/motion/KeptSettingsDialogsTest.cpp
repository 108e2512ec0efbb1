// The dialogs that keep what they send in the board's settings record, as a user meets them:
// what a Run keeps and where, what a refused Run leaves, what the dialogs show when they open,
// the packed counts, the loop mode's options and the dialogs with no board of their groups
// configured. The offsets that cannot be kept and the records read from option files are run
// end to end in tests/scripts/motion-kept-*.tvs.

#include "kit/DialogsWithoutBoards.h"
#include "kit/ScratchDirectory.h"

#include "commands/motion/LoadReferenceOffsetDialog.h"
#include "commands/motion/LoadStepsAndLinesDialog.h"
#include "commands/motion/SetLoopModeDialog.h"
#include "commands/motion/StoreStepsPerRevDialog.h"
#include "driver/StatusText.h"
#include "program/AxisSettings.h"
#include "program/OptionFiles.h"
#include "shell/MainWindowServices.h"

#include <gmock/gmock.h>

#include <optional>
#include <tuple>
#include <string>
#include <utility>
#include <vector>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;


// A record field of the Run's axis: what it holds before and what a successful Run leaves.
struct KeptField {
    AxisField field;
    double before;
    double after;
};

// One Run of a dialog, from its menu item: the board picked, what is typed (or, for an empty
// text, clicked), the entry point and what the record keeps.
struct KeptCase {
    std::string_view item;
    std::string_view form;
    std::string_view entry;
    std::vector<std::string> boards;
    int board;
    int axis;
    std::vector<std::pair<std::string_view, std::string_view>> steps;
    std::vector<KeptField> kept;
};

std::ostream& operator<<(std::ostream& out, const KeptCase& c) { return out << c.item << " board " << c.board; }

const std::vector<std::string> kReferenceBoards{"ID: 1", "ID: 3", "ID: 4", "ID: 6"};
const std::vector<std::string> kClosedLoopBoards{"ID: 3", "ID: 6"};

const std::vector<KeptCase> kKeptCases = {
    {"loadposref1", "frm68", "load_pos_ref", kReferenceBoards, 1, 3, {{"offsettxt", "-500"}},
     {{AxisField::RefOffset, 7, -500}}},
    {"loadposref2", "frm68", "load_pos_ref", kReferenceBoards, 6, 4, {{"offsettxt", "32766"}},
     {{AxisField::RefOffset, -7, 32766}}},
    {"storestepsperrevmu", "frmstorespr", "store_steps_rev", {"ID: 2", "ID: 5"}, 2, 3, {{"sprtxt", "400"}},
     {{AxisField::StepsPerRev, 2000, 400}}},
    {"storestepsperrevmu", "frmstorespr", "store_steps_rev", {"ID: 2", "ID: 5"}, 5, 4, {{"sprtxt", "1600"}},
     {{AxisField::StepsPerRev, 2000, 1600}}},
    {"loadstepslines", "frm57", "load_steps_lines", kClosedLoopBoards, 3, 2,
     {{"stepsrevtxt", "1000"}, {"linesrevtxt", "250"}},
     {{AxisField::StepsPerRev, 2000, 1000}, {AxisField::LinesPerRev, 500, 250}}},
    {"loadstepslines", "frm57", "load_steps_lines", kClosedLoopBoards, 6, 4,
     {{"stepsrevtxt", "1"}, {"linesrevtxt", "16383"}},
     {{AxisField::StepsPerRev, 2000, 1}, {AxisField::LinesPerRev, 500, 16383}}},
    {"setloopmode", "frm5A", "set_loop_mode", kClosedLoopBoards, 3, 3, {{"Label8", ""}},
     {{AxisField::ClosedLoop, 0, -1}}},
    {"setloopmode", "frm5A", "set_loop_mode", kClosedLoopBoards, 6, 4, {{"Label7", ""}},
     {{AxisField::ClosedLoop, -1, 0}}},
};

class KeptSettingsDialogsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }

    int typeOf(int board) { return app().state().boards.BoardType[static_cast<std::size_t>(board)]; }

    // The bytes of the board's option file as they stand.
    std::string optionFileBytes(int board)
    {
        return fileText(directory() / optionFileOf(typeOf(board))->name);
    }
};

class KeptSettingsDialogsRunTest : public KeptSettingsDialogsTest, public ::testing::WithParamInterface<KeptCase> {};

TEST_P(KeptSettingsDialogsRunTest, KeepsWhatItSentInTheRunAxisOfTheBoardsRecordOnlyAfterStatusZero)
{
    const KeptCase& c = GetParam();
    for (const KeptField& k : c.kept) storeSetting(c.board, c.axis, k.field, k.before);
    app().state().boards.SettingsChanged[static_cast<std::size_t>(c.board)] = -1;
    const auto changedBefore = app().state().boards.SettingsChanged;
    const std::string fileBefore = optionFileBytes(c.board);

    Form& dialog = openFromMenu(c.item, c.form);
    EXPECT_THAT(control<ComboBox>(dialog, "bidlist").items(), ElementsAreArray(c.boards));
    type(control<Control>(dialog, "bidlist"), std::to_string(c.board));
    retype(control(dialog, "axistxt"), std::to_string(c.axis));
    for (const auto& [name, text] : c.steps) {
        if (text.empty()) click(control<Control>(dialog, name));
        else retype(control(dialog, name), text);
    }
    const SettingsTables before = app().state().Settings;
    driver().injectFault(std::string(c.entry), ZEVA_axisRunningError, 1);
    click(control<CommandButton>(dialog, "runcmd"));
    EXPECT_EQ(control(dialog, "msgtxt").text(), StatusText(ZEVA_axisRunningError));
    EXPECT_TRUE(app().state().Settings == before) << "a refused Run keeps nothing";

    SettingsTables expected = before;
    for (const KeptField& k : c.kept) setAxisSetting(expected, typeOf(c.board), c.board, c.axis, k.field, k.after);
    click(control<CommandButton>(dialog, "runcmd"));
    EXPECT_EQ(control(dialog, "msgtxt").text(), StatusText(ZEVA_noError));
    EXPECT_TRUE(app().state().Settings == expected) << "only the sent fields of the Run's axis change";
    for (const KeptField& k : c.kept) EXPECT_EQ(storedSetting(c.board, c.axis, k.field), k.after);
    EXPECT_EQ(app().state().boards.SettingsChanged, changedBefore);
    EXPECT_EQ(optionFileBytes(c.board), fileBefore) << "no option file is written";
    EXPECT_THAT(takeCalls(), ElementsAre(::testing::StartsWith(std::string(c.entry) + "(" + std::to_string(c.board)),
                                         ::testing::StartsWith(std::string(c.entry))));
}

INSTANTIATE_TEST_SUITE_P(Dialogs, KeptSettingsDialogsRunTest, ::testing::ValuesIn(kKeptCases), [](const auto& row) {
    return std::string(row.param.form) + "_board" + std::to_string(row.param.board);
});

TEST_F(KeptSettingsDialogsTest, ValueBoxesOpenWithWhatTheRecordHoldsForAxisOneAndKeepItWhenBoardOrAxisChange)
{
    storeSetting(6, 1, AxisField::RefOffset, -1200);
    storeSetting(6, 2, AxisField::RefOffset, 55);
    auto& offset = openWithCurrentBoard<LoadReferenceOffsetDialog>(6);
    EXPECT_EQ(offset.offsettxt.text(), "-1200");
    EXPECT_TRUE(offset.runcmd.enabled());
    retype(offset.axistxt(), "2");
    select(offset.bidlist, 0);
    EXPECT_EQ(offset.offsettxt.text(), "-1200") << "shown at load only";
    click(offset.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("load_pos_ref(1, 2, -1200)")) << "the shown text goes to the board now chosen";
    EXPECT_EQ(storedSetting(1, 2, AxisField::RefOffset), -1200);

    storeSetting(5, 1, AxisField::StepsPerRev, 800);
    auto& steps = openWithCurrentBoard<StoreStepsPerRevDialog>(5);
    EXPECT_EQ(steps.sprtxt.text(), " 800");

    storeSetting(3, 1, AxisField::StepsPerRev, 400);
    storeSetting(3, 1, AxisField::LinesPerRev, 100);
    auto& counts = openWithCurrentBoard<LoadStepsAndLinesDialog>(3);
    EXPECT_EQ(counts.stepsrevtxt.text(), " 400");
    EXPECT_EQ(counts.linesrevtxt.text(), " 100");
    EXPECT_TRUE(counts.runcmd.enabled());
    EXPECT_TRUE(modalShows().empty());
}

TEST_F(KeptSettingsDialogsTest, StepsAndLinesArePackedIntoOneValueForTheSharedAxis)
{
    app().state().selection.CurrentAxis = 3;
    auto& dialog = openWithCurrentBoard<LoadStepsAndLinesDialog>(6);
    EXPECT_EQ(app().state().selection.CurrentAxis, 1);
    retype(dialog.axistxt(), "2");
    for (const auto& [steps, lines, packed] : {std::tuple{"2000", "500", 32770000}, {"1", "1", 65537}}) {
        retype(dialog.stepsrevtxt, steps);
        retype(dialog.linesrevtxt, lines);
        click(dialog.runcmd);
        EXPECT_THAT(takeCalls(), ElementsAre("load_steps_lines(6, 2, " + std::to_string(packed) + ")"));
    }
    EXPECT_EQ(app().state().selection.CurrentAxis, 2);
    ASSERT_TRUE(close(dialog));
    EXPECT_EQ(app().state().selection.CurrentAxis, 2) << "closing leaves the axis of the last Run";

    auto& reopened = openWithCurrentBoard<LoadStepsAndLinesDialog>(6);
    EXPECT_EQ(reopened.stepsrevtxt.text(), " 2000") << "axis 1 is shown, whatever the Runs kept on axis 2";
    retype(reopened.linesrevtxt, "16384");
    EXPECT_EQ(reopened.linesrevtxt.text(), "16383");
    ASSERT_EQ(modalShows().size(), 1u);
    EXPECT_EQ(modalShows().back().text, "Value needs to be between 1 and 16383.");
}

TEST_F(KeptSettingsDialogsTest, LoopModeOpensWithTheStoredModeAndItsOptionsEmptyTheStatusBox)
{
    storeSetting(6, 1, AxisField::ClosedLoop, 1); // any flag but 0 reads as closed loop
    auto& dialog = openWithCurrentBoard<SetLoopModeDialog>(6);
    EXPECT_TRUE(dialog.lmc.value());
    EXPECT_TRUE(dialog.runcmd.enabled());
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_loop_mode(6, 1, -1)"));
    click(dialog.openLoopLabel);
    EXPECT_TRUE(dialog.lmo.value());
    EXPECT_EQ(dialog.msgtxt.text(), "");

    focus(dialog.axistxt());
    press(Key::Backspace);
    EXPECT_FALSE(dialog.runcmd.enabled());
    EXPECT_TRUE(dialog.lmo.value()) << "the options stay as they are";
    ASSERT_TRUE(close(dialog));

    storeSetting(6, 1, AxisField::ClosedLoop, 0);
    auto& reopened = openWithCurrentBoard<SetLoopModeDialog>(6);
    EXPECT_TRUE(reopened.lmo.value());
    EXPECT_FALSE(reopened.lmc.value());
}

// With none of a dialog's groups configured: told once, nothing can be used, nothing is read
// from or written to a record, and no Run reaches the driver.
using KeptSettingsDialogsWithoutBoardsTest = DialogsWithoutBoardsTest;

TEST_F(KeptSettingsDialogsWithoutBoardsTest, WithoutAServoOrClosedLoopStepperBoardTheOffsetCountsAndLoopModeDialogsHaveNone)
{
    startWith({{2, 1}, {7, 14}});
    EXPECT_FALSE(openWithoutBoard<LoadReferenceOffsetDialog>().offsettxt.enabled());
    auto& counts = openWithoutBoard<LoadStepsAndLinesDialog>();
    EXPECT_FALSE(counts.stepsrevtxt.enabled());
    EXPECT_FALSE(counts.linesrevtxt.enabled());
    auto& loop = openWithoutBoard<SetLoopModeDialog>();
    click(loop.closedLoopLabel);
    EXPECT_TRUE(loop.lmc.value());
    EXPECT_FALSE(loop.runcmd.enabled()) << "a mode chosen does not enable Run";
}

TEST_F(KeptSettingsDialogsWithoutBoardsTest, WithoutAnOpenLoopStepperBoardStoreStepsPerRevHasNone)
{
    startWith({{3, 2}});
    EXPECT_FALSE(openWithoutBoard<StoreStepsPerRevDialog>().sprtxt.enabled());
}

} // namespace
} // namespace tarvik::testing
