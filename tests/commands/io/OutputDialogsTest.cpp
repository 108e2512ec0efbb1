// The I/O port output and aux digital I/O dialogs as a user meets them: the bit columns laid
// out by the picked board and what Run sends of them, the aux lamps after good and failed reads,
// the aux output word and the port C direction code, and the handlers the aux dialogs lack.

#include "kit/DialogsWithoutBoards.h"

#include "commands/io/AuxIoWord.h"
#include "commands/io/AuxPortADialog.h"
#include "commands/io/AuxPortBOutputDialog.h"
#include "commands/io/AuxPortCDirectionDialog.h"
#include "commands/io/ReadBackLamps.h"
#include "commands/io/SetIoPortOutputDialog.h"
#include "driver/StatusText.h"
#include "shell/MainWindowServices.h"

#include <gmock/gmock.h>

#include <string>
#include <vector>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;

class OutputDialogsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }
};

// Where the columns of one layout stand: shown columns, first column's Left, "Output" Left,
// "True"/"False" Left.
struct ColumnPlaces {
    int board;
    int shown;
    float first;
    float output;
    float rowNames;
};

TEST_F(OutputDialogsTest, IoOutputColumnsFollowThePickedBoardAndKeepTheirChoices)
{
    auto& dialog = openWithCurrentBoard<SetIoPortOutputDialog>(4);
    for (const ColumnPlaces& places : {ColumnPlaces{1, 6, 540, 3020, 3080}, ColumnPlaces{5, 4, 960, 2620, 2680},
                                       ColumnPlaces{7, 8, 120, 3420, 3480}, ColumnPlaces{3, 6, 540, 3020, 3080}}) {
        type(dialog.bidlist, std::to_string(places.board));
        for (int k = 1; k <= SetIoPortOutputDialog::kColumns; ++k) {
            const bool shown = k <= places.shown;
            EXPECT_EQ(dialog.bitColumns(k).visible(), shown) << "board " << places.board << " column " << k;
            EXPECT_EQ(dialog.bitNumbers(k).visible(), shown) << "board " << places.board << " column " << k;
            if (!shown) continue;
            EXPECT_EQ(dialog.bitColumns(k).left(), places.first + 400.0f * static_cast<float>(k - 1));
            EXPECT_EQ(dialog.bitNumbers(k).left(), places.first + 120 + 400.0f * static_cast<float>(k - 1));
        }
        EXPECT_EQ(dialog.outputLabel.left(), places.output);
        EXPECT_EQ(dialog.trueLabel.left(), places.rowNames);
        EXPECT_EQ(dialog.falseLabel.left(), places.rowNames);
        EXPECT_EQ(dialog.bitColumns(1).top(), 540);
        EXPECT_EQ(dialog.bitNumbers(1).top(), 360);
    }
}

TEST_F(OutputDialogsTest, IoOutputSendsTheShownColumnsOnly)
{
    auto& dialog = openWithCurrentBoard<SetIoPortOutputDialog>(4);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_io_output(4, 0)")) << "every column starts False";

    for (int k = 1; k <= SetIoPortOutputDialog::kColumns; ++k) click(dialog.bt(k));
    click(dialog.runcmd);
    type(dialog.bidlist, "1");
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_io_output(4, 255)", "set_io_output(1, 63)"));

    // Columns 5 to 8 of a 4-axis stepper are hidden: their True choices are kept, not sent.
    for (int k = 1; k <= 4; ++k) click(dialog.bf(k));
    type(dialog.bidlist, "5");
    click(dialog.runcmd);
    type(dialog.bidlist, "4");
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_io_output(5, 0)", "set_io_output(4, 240)"));
    EXPECT_TRUE(dialog.bt(6).value());

    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_noError));
    click(dialog.bf(6));
    EXPECT_EQ(dialog.msgtxt.text(), "") << "a choice empties the status box";
}

TEST_F(OutputDialogsTest, AuxLampsShowAGoodReadAndTurnWhiteAfterAFailedOne)
{
    auto& dialog = openWithCurrentBoard<AuxPortADialog>(5);
    const auto lampsOf = [&](ControlArray<Shape>& port) {
        std::string lit;
        for (int line = 1; line <= 8; ++line) lit += port(line).fillColor() == kLampOn ? '1' : '0';
        return lit;
    };

    driver().scriptReturns("read_gpio", {0x00FF00FF}, 1);
    click(dialog.runcmd);
    EXPECT_EQ(lampsOf(dialog.a), "11111111");
    EXPECT_EQ(lampsOf(dialog.b), "00000000");
    EXPECT_EQ(lampsOf(dialog.c), "11111111");
    EXPECT_EQ(dialog.COutputs.fillColor(), kLampOn);
    EXPECT_EQ(dialog.CInputs.fillColor(), kLampOff);

    driver().scriptReturns("read_gpio", {0x01000000 | AuxLineBit(AuxPort::B, 3)}, 1);
    click(dialog.runcmd);
    EXPECT_EQ(lampsOf(dialog.a), "00000000");
    EXPECT_EQ(lampsOf(dialog.b), "00100000");
    EXPECT_EQ(lampsOf(dialog.c), "00000000");
    EXPECT_EQ(dialog.COutputs.fillColor(), kLampOff);
    EXPECT_EQ(dialog.CInputs.fillColor(), kLampOn);

    driver().injectFault("read_gpio", ZEVA_boardTimeoutError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_boardTimeoutError));
    EXPECT_EQ(lampsOf(dialog.b), "00000000");
    EXPECT_EQ(dialog.COutputs.fillColor(), kLampOff) << "a failed read shows no direction";
    EXPECT_EQ(dialog.CInputs.fillColor(), kLampOff);
}

TEST_F(OutputDialogsTest, AuxOutputsAndPortCDirectionReachTheBoard)
{
    program().boards().setAuxInputs(2, 0x00AB0012);
    auto& set = openWithCurrentBoard<AuxPortBOutputDialog>(2);
    click(set.runcmd);
    for (int line = 1; line <= AuxPortBOutputDialog::kLines; ++line) {
        click(set.bbt(line));
        click(set.cbt(line));
    }
    click(set.runcmd);
    click(set.bbf(1));
    for (int line = 1; line <= 7; ++line) click(set.cbf(line));
    click(set.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_gpio(2, 0)", "set_gpio(2, 16776960)", "set_gpio(2, 8453632)"));

    auto& direction = openWithCurrentBoard<AuxPortCDirectionDialog>(2);
    EXPECT_TRUE(direction.bbf(1).value()) << "Output at load";
    click(direction.runcmd);
    click(direction.bbt(1));
    click(direction.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_portc_dir(2, 16)", "set_portc_dir(2, 17)"));

    // Port C now reads the machine's inputs and says so in the top byte; port B keeps its outputs.
    auto& read = openWithCurrentBoard<AuxPortADialog>(2);
    click(read.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("read_gpio(2, &" + std::to_string(0x01ABFE12) + ")"));
    EXPECT_EQ(read.CInputs.fillColor(), kLampOn);
}

TEST_F(OutputDialogsTest, AuxDialogsListSteppersOnlyAndTheirBoardListTakesNoKeys)
{
    auto& dialog = openWithCurrentBoard<AuxPortBOutputDialog>(1);
    EXPECT_THAT(dialog.bidlist.items(), ElementsAre("ID: 2", "ID: 3", "ID: 5", "ID: 6"));
    EXPECT_EQ(dialog.boards().mask(), 54);
    EXPECT_TRUE(dialog.runcmd.enabled());
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("set_gpio(2, 0)"));
    const int beepsBefore = beeps();
    type(dialog.bidlist, "5");
    type(dialog.bidlist, "9");
    EXPECT_EQ(dialog.bidlist.listIndex(), 0) << "digits pick no board here";
    EXPECT_EQ(beeps(), beepsBefore);
    focus(dialog.bidlist);
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_noError)) << "focusing the list keeps the status";
    clickForm(dialog);
    EXPECT_EQ(dialog.msgtxt.text(), "");
}

using OutputDialogsWithoutStepperTest = DialogsWithoutBoardsTest;

TEST_F(OutputDialogsWithoutStepperTest, ListNothingAndSendNothing)
{
    openWithoutBoard<AuxPortADialog>();
    openWithoutBoard<AuxPortBOutputDialog>();
    openWithoutBoard<AuxPortCDirectionDialog>();
}

} // namespace
} // namespace tarvik::testing
