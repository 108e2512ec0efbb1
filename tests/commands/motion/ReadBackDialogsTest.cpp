// The read-back and hardware status dialogs as a user meets them: what each one lists, the
// caption Read Position takes from its menu item, which clicks empty the status text, the entry
// point Read Present Velocity picks by board class, In Position's shared axis and fields, the
// lamps and layout of Read Per Axis H/W Status, and the encoder dialogs with no board listed.
// The roads through the reads, refusals and the no-board state on the built-in boards are
// sessions in tests/scripts/motion-readback-*.tvs.

#include "kit/DialogsWithoutBoards.h"

#include "commands/motion/AxisStatusDialog.h"
#include "commands/motion/InPositionDialog.h"
#include "commands/motion/ReadEncoderDialog.h"
#include "commands/motion/ReadEncoderToRdbDialog.h"
#include "commands/motion/ReadPositionDialog.h"
#include "commands/motion/ReadVelocityDialog.h"
#include "shell/MainWindowServices.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr std::string_view kSuccess = "status 0: ZEVA_noError. No error.";

// The rows of the status dialog top to bottom, by bit.
constexpr std::array kLampBits{0, 1, 2, 4, 5, 7, 10, 11, 12, 3, 13};

class ReadBackDialogsTest : public ProgramTest {
protected:
    using ProgramTest::ProgramTest;

    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }


    // The lamps that are green, by bit.
    static std::vector<int> greenLamps(const AxisStatusDialog& dialog)
    {
        std::vector<int> green;
        for (int bit : kLampBits) {
            const Color fill = dialog.lamp(bit).fillColor();
            if (fill == kLampOn) green.push_back(bit);
            else EXPECT_EQ(fill, kLampOff) << "lamp of bit " << bit;
        }
        return green;
    }
};

// ---- What each dialog lists and reads -----------------------------------------------------

struct ListCase {
    std::string_view item;
    std::string_view form;
    std::vector<std::string> boards;
};

std::ostream& operator<<(std::ostream& out, const ListCase& c) { return out << c.form; }

const std::vector<std::string> kAllBoards{"ID: 1", "ID: 2", "ID: 3", "ID: 4", "ID: 5", "ID: 6", "ID: 7"};

class ReadBackDialogsListTest : public ReadBackDialogsTest, public ::testing::WithParamInterface<ListCase> {};

TEST_P(ReadBackDialogsListTest, ListsTheBoardsOfItsGroupsAndStartsReadyOnAxisOne)
{
    const ListCase& c = GetParam();
    Form& dialog = openFromMenu(c.item, c.form);
    EXPECT_THAT(control<ComboBox>(dialog, "bidlist").items(), ElementsAreArray(c.boards));
    EXPECT_EQ(control(dialog, "axistxt").text(), "1");
    EXPECT_EQ(control<CommandButton>(dialog, "runcmd").enabled(), c.form != "frminpos")
        << "In Position waits for its position and deadband";
    EXPECT_TRUE(takeCalls().empty()) << "nothing is read when the window opens";
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, ReadBackDialogsListTest,
    ::testing::Values(ListCase{"returnpos", "frm53ret", kAllBoards}, ListCase{"returnvel", "frm54rets", kAllBoards},
                      ListCase{"retrpm", "frmretrpm", kAllBoards},
                      ListCase{"returnaxisstat", "frmaxstat", {"ID: 1", "ID: 2", "ID: 3", "ID: 4", "ID: 5", "ID: 6"}},
                      ListCase{"inpos", "frminpos", {"ID: 1", "ID: 3", "ID: 4", "ID: 6", "ID: 7"}},
                      ListCase{"returnencoder", "frm59ret", {"ID: 3", "ID: 6"}},
                      ListCase{"readencoder", "frm59", {"ID: 3", "ID: 6"}}),
    [](const auto& row) { return std::string(row.param.form); });

TEST_F(ReadBackDialogsTest, ReadPositionTakesItsCaptionFromTheMenuAndComesBackWithItsFields)
{
    auto& dialog = openFromMenu<ReadPositionDialog>("returnpos");
    EXPECT_EQ(dialog.caption(), "Read Present Position");
    type(dialog.bidlist, "4");
    retype(dialog.axistxt(), "4");
    click(dialog.runcmd);
    dialog.setCaption("Read Position");
    dialog.setWindowState(WindowState::Minimized);

    chooseMenu("returnpos");
    EXPECT_EQ(&dialog, runtime().find<ReadPositionDialog>()) << "the open window comes forward";
    EXPECT_EQ(dialog.caption(), "Read Present Position");
    EXPECT_EQ(dialog.windowState(), WindowState::Normal);
    EXPECT_EQ(dialog.axistxt().text(), "4");
    EXPECT_EQ(dialog.msgtxt.text(), kSuccess);
    EXPECT_THAT(takeCalls(), ElementsAre("read_pos(4, 4, &0)"));
}

// ---- Which clicks empty the status text -----------------------------------------------------

struct ClearingCase {
    std::string_view item;
    std::string_view form;
    bool boardList;
    bool statusBox;
};

TEST_F(ReadBackDialogsTest, EachDialogEmptiesItsStatusTextOnlyWhereItListens)
{
    const std::vector<ClearingCase> cases = {
        {"returnpos", "frm53ret", false, false},  {"retrpm", "frmretrpm", false, false},
        {"returnvel", "frm54rets", false, false}, {"returnencoder", "frm59ret", true, false},
        {"readencoder", "frm59", true, true},     {"returnaxisstat", "frmaxstat", true, true},
    };
    for (const ClearingCase& c : cases) {
        SCOPED_TRACE(c.form);
        Form& dialog = openFromMenu(c.item, c.form);
        auto& run = control<CommandButton>(dialog, "runcmd");
        auto& status = control(dialog, "msgtxt");
        auto& axis = control(dialog, "axistxt");

        click(run);
        focus(control<ComboBox>(dialog, "bidlist"));
        EXPECT_EQ(status.text().empty(), c.boardList) << "board list focus";
        click(run);
        focus(status);
        EXPECT_EQ(status.text().empty(), c.statusBox) << "status box focus";
        click(run);
        clickForm(dialog);
        EXPECT_EQ(status.text(), "") << "a click on the window";
        click(run);
        focus(axis);
        EXPECT_EQ(status.text(), "") << "axis field focus";
        EXPECT_EQ(axis.selLength(), 1) << "the axis is selected for typing over";
    }
}

// ---- Read Present Velocity: the entry point by board class ----------------------------------

class ReadBackDialogsVelocityByClassTest : public ReadBackDialogsTest {
protected:
    // A 3-axis servo, both 3-axis steppers, both encoder types, and the odd 2-axis servo and
    // low-profile open-loop stepper codes.
    ReadBackDialogsVelocityByClassTest()
        : ReadBackDialogsTest({.boards = std::vector<SimBoardSpec>{{.id = 1, .typeCode = 0, .ioAddress = 0x300, .name = ""},
                                                          {.id = 2, .typeCode = 1, .ioAddress = 0x310, .name = ""},
                                                          {.id = 3, .typeCode = 2, .ioAddress = 0x320, .name = ""},
                                                          {.id = 4, .typeCode = 6, .ioAddress = 0x330, .name = ""},
                                                          {.id = 5, .typeCode = 14, .ioAddress = 0x340, .name = ""},
                                                          {.id = 6, .typeCode = 26, .ioAddress = 0x350, .name = ""},
                                                          {.id = 7, .typeCode = 30, .ioAddress = 0x360, .name = ""}}})
    {
    }
};

TEST_F(ReadBackDialogsVelocityByClassTest, SteppersReadStepsPerSecondAndServoAndEncoderBoardsTheVelocityWord)
{
    auto& dialog = openFromMenu<ReadVelocityDialog>("returnvel");
    for (int board = 1; board <= 7; ++board) {
        type(dialog.bidlist, std::to_string(board));
        click(dialog.runcmd);
    }
    EXPECT_THAT(takeCalls(), ElementsAre("read_vel(1, 1, &0)", "read_steps_vel(2, 1, &0)", "read_steps_vel(3, 1, &0)",
                                         "read_vel(4, 1, &0)", "read_vel(5, 1, &0)", "read_vel(6, 1, &0)",
                                         "read_steps_vel(7, 1, &0)"));
}

// ---- In Position ------------------------------------------------------------------------------

TEST_F(ReadBackDialogsTest, InPositionPassesTheTypedAxisThroughTheCurrentAxis)
{
    app().state().selection.CurrentAxis = 3;
    auto& dialog = openFromMenu<InPositionDialog>("inpos");
    EXPECT_EQ(app().state().selection.CurrentAxis, 1) << "loading sets it to 1";
    type(dialog.bidlist, "4");
    type(dialog.dbtxt, "0");
    type(dialog.postxt, "+");
    EXPECT_FALSE(dialog.runcmd.enabled()) << "a lone sign is no position";
    retype(dialog.postxt, "-1500.5");
    EXPECT_EQ(dialog.postxt.text(), "-15005") << "a position is whole: the point is dropped";

    retype(dialog.axistxt(), "4");
    EXPECT_EQ(app().state().selection.CurrentAxis, 1) << "typing does not set it";
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre(::testing::StartsWith("in_pos(4, 4, -15005, 0, &")));
    EXPECT_EQ(app().state().selection.CurrentAxis, 4);
    close(dialog);
    openFromMenu<InPositionDialog>("inpos");
    EXPECT_EQ(app().state().selection.CurrentAxis, 1);
}

TEST_F(ReadBackDialogsTest, InPositionNamesTheUnitsBesideBothFields)
{
    auto& dialog = openFromMenu<InPositionDialog>("inpos");
    EXPECT_EQ(dialog.unitsLabel.caption(), " Units in Counts");
    EXPECT_GE(dialog.unitsLabel.left(), dialog.postxt.left() + dialog.postxt.width());
    EXPECT_LE(dialog.unitsLabel.top(), dialog.postxt.top());
    EXPECT_GE(dialog.unitsLabel.top() + dialog.unitsLabel.height(), dialog.dbtxt.top() + dialog.dbtxt.height());
    EXPECT_LT(dialog.unitsLabel.left() + dialog.unitsLabel.width(), dialog.width());
}

// ---- Read Per Axis H/W Status -----------------------------------------------------------------

TEST_F(ReadBackDialogsTest, AStatusWordLightsTheLampsOfItsSetBitsAndNoOthers)
{
    auto& dialog = openFromMenu<AxisStatusDialog>("returnaxisstat");
    type(dialog.bidlist, "4");
    EXPECT_THAT(greenLamps(dialog), ElementsAre()) << "every lamp starts white";

    const std::vector<std::pair<std::int16_t, std::vector<int>>> words = {
        {0x0485, {0, 2, 7, 10}},
        {0x2008, {3, 13}},
        {-1, {0, 1, 2, 4, 5, 7, 10, 11, 12, 3, 13}},
        {static_cast<std::int16_t>(0xC340), {}}, // bits 6, 8, 9, 14 and 15 have no lamp
        {0x1C32, {1, 4, 5, 10, 11, 12}},
    };
    for (const auto& [word, green] : words) {
        driver().scriptReturns("read_axis_stat", {static_cast<double>(word)}, 1);
        click(dialog.runcmd);
        EXPECT_THAT(greenLamps(dialog), ElementsAreArray(green)) << "word " << word;
        EXPECT_EQ(dialog.msgtxt.text(), kSuccess);
    }
}

TEST_F(ReadBackDialogsTest, TheLampRowsStandDownTheLeftAndTheBoardAndAxisAtTheTopRight)
{
    auto& dialog = openFromMenu<AxisStatusDialog>("returnaxisstat");
    type(dialog.bidlist, "4");
    const auto right = [](const Control& control) { return control.left() + control.width(); };
    const auto bottom = [](const Control& control) { return control.top() + control.height(); };

    EXPECT_EQ(dialog.lblBit.caption(), "Bit");
    EXPECT_LE(bottom(dialog.lblBit), 240);
    float top = 240;
    float rightOfRows = 0;
    for (int bit : kLampBits) {
        SCOPED_TRACE(bit);
        const Label& number = dialog.bitLabel(bit);
        const Shape& lamp = dialog.lamp(bit);
        const Label& description = dialog.description(bit);
        EXPECT_EQ(number.caption(), std::to_string(bit));
        EXPECT_EQ(number.top(), top);
        EXPECT_EQ(description.top(), top);
        EXPECT_GE(lamp.top(), top);
        EXPECT_LE(bottom(lamp), top + 300);
        EXPECT_EQ(lamp.shape(), Shape::Kind::Circle);
        EXPECT_EQ(lamp.fillStyle(), Shape::SolidFill);
        EXPECT_LE(right(number), lamp.left());
        EXPECT_LE(right(lamp), description.left());
        rightOfRows = std::max(rightOfRows, right(description));
        top += 300;
    }
    EXPECT_GE(dialog.bidlist.left(), rightOfRows);
    EXPECT_EQ(dialog.axistxt().top(), dialog.bidlist.top());
    EXPECT_GE(dialog.axistxt().left(), right(dialog.bidlist));
    EXPECT_GE(dialog.runcmd.top(), bottom(dialog.bidlist));
    EXPECT_GE(dialog.runcmd.left(), rightOfRows);
    EXPECT_GE(dialog.msgtxt.top(), top);
    EXPECT_LE(right(dialog.axistxt()), dialog.width());
    EXPECT_LE(right(dialog.msgtxt), dialog.width());
    EXPECT_LE(bottom(dialog.msgtxt), dialog.height());
}

// ---- No board of the dialog's groups ---------------------------------------------------------

using ReadBackDialogsWithEncoderOnlyTest = DialogsWithoutBoardsTest;

TEST_F(ReadBackDialogsWithEncoderOnlyTest, TheEncoderDialogsListNothingAndCannotRun)
{
    // The Stepper Closed Loop menu stays off without a closed-loop stepper board; opened as its
    // items would open them, the dialogs say so and offer nothing to type into or run.
    openWithoutBoard<ReadEncoderDialog>();
    openWithoutBoard<ReadEncoderToRdbDialog>();
}

} // namespace
} // namespace tarvik::testing
