// The trigger, breakpoint and read-back dialogs as a user meets them: number fields bounded by
// the selected board, the board keys each list takes, the Enable/Disable columns and what they
// pack, the breakpoint fields with their signs and range messages, the Absolute/Relative choice
// on encoder boards, and the lamps and layouts of the three status read-backs. The roads with
// injected failures are sessions in tests/scripts/io-trigger-*.tvs and io-breakpoint-*.tvs.

#include "kit/DialogsWithoutBoards.h"

#include "commands/io/BeginTriggerPrestoreDialog.h"
#include "commands/io/BreakpointTriggerLinkDialog.h"
#include "commands/io/EnableBreakpointDialog.h"
#include "commands/io/EnableIoTriggerInputsDialog.h"
#include "commands/io/EndTriggerPrestoreDialog.h"
#include "commands/io/IoTriggerMap.h"
#include "commands/io/LoadBreakpointModulusDialog.h"
#include "commands/io/LoadPositionBreakpointDialog.h"
#include "commands/io/ReadBackLamps.h"
#include "commands/io/ReadCommStatusDialog.h"
#include "commands/io/ReadIoPortDialog.h"
#include "commands/io/ReadLimitSwitchStatusDialog.h"
#include "commands/io/TriggerIoPortDialog.h"

#include <gmock/gmock.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class TriggerBreakpointDialogsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }

    // Selects the whole text of the box and deletes it, as a user empties a field.
    void erase(TextBox& box)
    {
        retype(box, "");
        press(Key::Backspace);
    }

    std::string lastModalText() const { return modalShows().empty() ? "" : modalShows().back().text; }

    // Lets the next read hand back `word` with status 0.
    void nextReadGives(std::string_view entry, std::int16_t word)
    {
        driver().scriptReturns(std::string(entry), {static_cast<double>(word)}, 1);
    }

    // The indices of the green lamps of an array; every other lamp must be white.
    static std::vector<int> green(const ControlArray<Shape>& lamps)
    {
        std::vector<int> on;
        lamps.each([&](int index, const Shape& lamp) {
            if (lamp.fillColor() == kLampOn) on.push_back(index);
            else EXPECT_EQ(lamp.fillColor(), kLampOff) << lamps.name() << "(" << index << ")";
        });
        return on;
    }
};

// ---- Trigger buffer dialogs ----------------------------------------------------------------

TEST_F(TriggerBreakpointDialogsTest, TriggerNumbersFollowTheSelectedBoard)
{
    auto& begin = openFromMenu<BeginTriggerPrestoreDialog>("beginprestore");
    EXPECT_FALSE(begin.runcmd.enabled());
    type(begin.bidlist, "3"); // no board keys here: still board 1
    EXPECT_EQ(begin.state().BoardId, 1);
    type(begin.tnumtxt, "6");
    EXPECT_TRUE(begin.runcmd.enabled());
    const int before = beeps();
    retype(begin.tnumtxt, "7");
    EXPECT_EQ(begin.tnumtxt.text(), "6");
    retype(begin.tnumtxt, "0");
    EXPECT_EQ(begin.tnumtxt.text(), "1");
    EXPECT_EQ(beeps(), before + 2);
    type(begin.tnumtxt, "2"); // one character at most
    EXPECT_EQ(begin.tnumtxt.text(), "1");
    retype(begin.tnumtxt, "5");
    select(begin.bidlist, 3); // board 4 holds four triggers
    EXPECT_EQ(begin.tnumtxt.text(), "4");
    EXPECT_TRUE(begin.runcmd.enabled());
    erase(begin.tnumtxt);
    EXPECT_FALSE(begin.runcmd.enabled());
    type(begin.tnumtxt, "x");
    EXPECT_EQ(begin.tnumtxt.text(), "");

    auto& port = openFromMenu<TriggerIoPortDialog>("triggerio");
    type(port.pnumtxt, "6");
    const int beforePick = beeps();
    type(port.bidlist, "5"); // board keys pick here
    EXPECT_EQ(port.state().BoardId, 5);
    EXPECT_EQ(port.pnumtxt.text(), "4");
    EXPECT_EQ(beeps(), beforePick + 1);
    EXPECT_TRUE(port.runcmd.enabled());
    takeCalls();
    click(port.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("trigger_io(5, 4)"));
}

TEST_F(TriggerBreakpointDialogsTest, PrestoreBeginsAndEndsInTwoWindows)
{
    auto& end = openFromMenu<EndTriggerPrestoreDialog>("endprestore");
    EXPECT_TRUE(end.runcmd.enabled());
    type(end.bidlist, "2");
    EXPECT_EQ(end.state().BoardId, 1);
    auto& begin = openFromMenu<BeginTriggerPrestoreDialog>("beginprestore");
    type(begin.tnumtxt, "3");
    click(begin.runcmd);
    EXPECT_EQ(begin.msgtxt.text(), "status 0: ZEVA_noError. No error.");
    click(end.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("begin_prestore(1, 3)", "end_prestore(1)"));
    EXPECT_EQ(end.msgtxt.text(), "status 0: ZEVA_noError. No error.");
}

// ---- I/O trigger inputs --------------------------------------------------------------------

TEST(IoTriggerMapTest, PacksTheInputsTheBoardHas)
{
    const std::array<bool, 6> all{true, true, true, true, true, true};
    EXPECT_EQ(IoTriggerMap(all, 0), 63);
    EXPECT_EQ(IoTriggerMap(all, 2), 63);
    EXPECT_EQ(IoTriggerMap(all, 3), 15);
    EXPECT_EQ(IoTriggerMap(all, 14), 15);
    EXPECT_EQ(IoTriggerMap({false, true, false, false, false, true}, 1), 34);
    EXPECT_EQ(IoTriggerMap({false, true, false, false, false, true}, 5), 2);
    EXPECT_EQ(IoTriggerMap({}, 0), 0);
}

TEST_F(TriggerBreakpointDialogsTest, TriggerColumnsFollowTheBoardAndKeepTheirChoice)
{
    auto& dialog = openFromMenu<EnableIoTriggerInputsDialog>("enableiotrig");
    const auto lefts = [&dialog](int count) {
        std::vector<float> at;
        for (int i = 1; i <= count; ++i) at.push_back(dialog.fraEnIO(i).left());
        return at;
    };
    EXPECT_THAT(lefts(6), ElementsAre(480, 900, 1320, 1740, 2160, 2580));
    EXPECT_EQ(dialog.lbl(1).left(), 580);
    EXPECT_EQ(dialog.lbl(6).left(), 2680);
    EXPECT_TRUE(dialog.bd(1).value());
    EXPECT_TRUE(dialog.runcmd.enabled());

    click(dialog.be(6));
    click(dialog.be(2));
    type(dialog.bidlist, "4");
    EXPECT_FALSE(dialog.fraEnIO(5).visible());
    EXPECT_FALSE(dialog.lbl(6).visible());
    EXPECT_THAT(lefts(4), ElementsAre(1000, 1420, 1840, 2260));
    EXPECT_EQ(dialog.lbl(4).left(), 2360);
    takeCalls();
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("enable_io_trig(4, 2)"));

    type(dialog.bidlist, "2");
    EXPECT_TRUE(dialog.fraEnIO(6).visible());
    EXPECT_TRUE(dialog.be(6).value());
    EXPECT_THAT(lefts(6), ElementsAre(480, 900, 1320, 1740, 2160, 2580));
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("enable_io_trig(2, 34)"));

    EXPECT_FALSE(dialog.msgtxt.text().empty());
    click(dialog.bd(2));
    EXPECT_EQ(dialog.msgtxt.text(), "");
}

// ---- Breakpoint values ---------------------------------------------------------------------

TEST_F(TriggerBreakpointDialogsTest, BreakpointPositionTakesASignOnlyFirst)
{
    auto& dialog = openFromMenu<LoadPositionBreakpointDialog>("loadposbrk");
    EXPECT_EQ(dialog.axistxt().text(), "1");
    EXPECT_FALSE(dialog.runcmd.enabled());
    type(dialog.brkpostxt, "5-");
    EXPECT_EQ(dialog.brkpostxt.text(), "5");
    retype(dialog.brkpostxt, "--");
    EXPECT_EQ(dialog.brkpostxt.text(), "-");
    EXPECT_FALSE(dialog.runcmd.enabled());
    EXPECT_THAT(modalShows(), IsEmpty());
    type(dialog.brkpostxt, "12");
    EXPECT_EQ(dialog.brkpostxt.text(), "-12");
    EXPECT_TRUE(dialog.runcmd.enabled());

    // A pasted text with a sign inside is never sent.
    paste(dialog.brkpostxt, "7-3");
    EXPECT_FALSE(dialog.runcmd.enabled());

    retype(dialog.brkpostxt, "-1073741825");
    EXPECT_EQ(lastModalText(), "Value needs to be between -1073741824 and 1073741823.");
    EXPECT_EQ(dialog.brkpostxt.text(), "-1073741824");
    erase(dialog.axistxt());
    EXPECT_FALSE(dialog.runcmd.enabled());
    retype(dialog.brkpostxt, "100");
    EXPECT_FALSE(dialog.runcmd.enabled());
}

TEST_F(TriggerBreakpointDialogsTest, BreakpointModulusListsTwoGroupsAndRefusesSigns)
{
    auto& dialog = openFromMenu<LoadBreakpointModulusDialog>("BreakMod");
    std::vector<std::string> rows;
    for (int row = 0; row < dialog.bidlist.listCount(); ++row) rows.push_back(dialog.bidlist.list(row));
    EXPECT_THAT(rows, ElementsAre("ID: 4", "ID: 6"));
    type(dialog.brkmodtxt, "-1073741824");
    EXPECT_EQ(lastModalText(), "Value needs to be between 0 and 1073741823.");
    EXPECT_EQ(dialog.brkmodtxt.text(), "1073741823");
    takeCalls();
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("load_break_mod(4, 1, 1073741823)"));
}

TEST_F(TriggerBreakpointDialogsTest, TriggerLinkSendsTheTypedBuffer)
{
    auto& dialog = openFromMenu<BreakpointTriggerLinkDialog>("postotrig");
    EXPECT_EQ(dialog.porttxt.text(), "1");
    EXPECT_TRUE(dialog.runcmd.enabled());
    retype(dialog.porttxt, "5");
    EXPECT_EQ(dialog.porttxt.text(), "1");
    type(dialog.porttxt, "44");
    EXPECT_EQ(lastModalText(), "Value needs to be between 0 and 4.");
    EXPECT_EQ(dialog.porttxt.text(), "4");
    retype(dialog.porttxt, "0");
    takeCalls();
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("enable_pos_trig(4, 1, 0)"));
}

// ---- Absolute or relative breakpoints ------------------------------------------------------

TEST_F(TriggerBreakpointDialogsTest, EncoderBoardsLockTheChoiceOnAbsoluteWheneverPicked)
{
    auto& dialog = openFromMenu<EnableBreakpointDialog>("enablebrk");
    EXPECT_TRUE(dialog.absol.value());
    EXPECT_FALSE(dialog.lblPelto.visible());
    click(dialog.optionLabel(1)); // the word "Relative"
    EXPECT_TRUE(dialog.relative.value());

    type(dialog.bidlist, "7");
    EXPECT_TRUE(dialog.absol.value());
    EXPECT_FALSE(dialog.choiceFrame().enabled());
    EXPECT_FALSE(dialog.optionLabel(0).visible());
    EXPECT_FALSE(dialog.choiceHeading().visible());
    EXPECT_TRUE(dialog.lblPelto.visible());
    EXPECT_EQ(dialog.lblPelto.caption(), "Pelto breakpoints absolute only");
    takeCalls();
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("enable_brk(7, 1, 0)"));

    type(dialog.bidlist, "6");
    EXPECT_TRUE(dialog.choiceFrame().enabled());
    EXPECT_FALSE(dialog.lblPelto.visible());
    click(dialog.relative);
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("enable_brk(6, 1, -1)"));
}

TEST_F(TriggerBreakpointDialogsTest, RelativeIsReachableAfterLoadingOnAnEncoderBoard)
{
    app().state().selection.CurrentBoard = 7;
    auto& dialog = openFromMenu<EnableBreakpointDialog>("enablebrk");
    EXPECT_TRUE(dialog.lblPelto.visible());
    EXPECT_FALSE(dialog.choiceFrame().enabled());
    type(dialog.bidlist, "1");
    click(dialog.optionLabel(1));
    takeCalls();
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("enable_brk(1, 1, -1)"));
    EXPECT_EQ(dialog.msgtxt.text(), "status 0: ZEVA_noError. No error.");
    focus(dialog.bidlist); // no GotFocus handler on this list
    EXPECT_EQ(dialog.msgtxt.text(), "status 0: ZEVA_noError. No error.");
}

// ---- Communication status register ---------------------------------------------------------

TEST_F(TriggerBreakpointDialogsTest, RegisterLampsFollowTheLayoutOfTheBoard)
{
    auto& dialog = openFromMenu<ReadCommStatusDialog>("returncsr"); // board 1: 3-axis
    EXPECT_FALSE(dialog.b(7).visible());
    EXPECT_FALSE(dialog.b(3).visible());
    EXPECT_TRUE(dialog.b(10).visible());
    EXPECT_FALSE(dialog.lblAxis(4).visible());
    EXPECT_FALSE(dialog.lblMoveComp.visible());
    nextReadGives("read_csr", 0x24);
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.b), ElementsAre(4, 8));

    type(dialog.bidlist, "5"); // wide: every lamp shown, colours kept
    EXPECT_TRUE(dialog.b(15).visible());
    EXPECT_TRUE(dialog.lblCIP.visible());
    EXPECT_THAT(green(dialog.b), ElementsAre(4, 8));
    nextReadGives("read_csr", static_cast<std::int16_t>(0x8001));
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.b), ElementsAre(0, 15));
    nextReadGives("read_csr", 0x0004);
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.b), IsEmpty());

    type(dialog.bidlist, "7"); // encoder: the low byte, no axis rows
    EXPECT_FALSE(dialog.lblrunning(0).visible());
    EXPECT_FALSE(dialog.b(8).visible());
    EXPECT_FALSE(dialog.b(3).visible());
    EXPECT_TRUE(dialog.b(7).visible());
    nextReadGives("read_csr", 0x00FF);
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.b), ElementsAre(0, 1, 3, 4, 5, 6, 7));

    type(dialog.bidlist, "4");
    EXPECT_TRUE(dialog.b(3).visible());
    EXPECT_EQ(dialog.b(3).fillColor(), kLampOn); // the encoder board's bit 3, until the next read
    EXPECT_TRUE(dialog.lblAxis(4).visible());
}

TEST_F(TriggerBreakpointDialogsTest, AFailedRegisterReadWhitensOnlyTheBoardsLamps)
{
    auto& dialog = openFromMenu<ReadCommStatusDialog>("returncsr");
    type(dialog.bidlist, "4");
    nextReadGives("read_csr", static_cast<std::int16_t>(0xFFFF));
    click(dialog.runcmd);
    type(dialog.bidlist, "2");
    driver().injectFault("read_csr", ZEVA_boardTimeoutError, 1);
    click(dialog.runcmd);
    EXPECT_THAT(dialog.msgtxt.text(), ::testing::StartsWith("status 4: ZEVA_boardTimeoutError"));
    // The narrow reading draws eight lamps; the others keep the wide reading.
    EXPECT_THAT(green(dialog.b), ElementsAre(3, 7, 11, 12, 13, 14, 15));
}

// ---- I/O port and limit switches -----------------------------------------------------------

TEST_F(TriggerBreakpointDialogsTest, PortLampsShowSixOrEightBits)
{
    auto& dialog = openFromMenu<ReadIoPortDialog>("returnioport");
    type(dialog.bidlist, "4");
    nextReadGives("read_io_port", 0x00A5);
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.b), ElementsAre(1, 3, 6, 8));
    nextReadGives("read_io_port", static_cast<std::int16_t>(0xFFC0));
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.b), ElementsAre(7, 8));

    type(dialog.bidlist, "3");
    EXPECT_FALSE(dialog.b(7).visible());
    EXPECT_FALSE(dialog.lbl(8).visible());
    nextReadGives("read_io_port", 0x00FF);
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.b), ElementsAre(1, 2, 3, 4, 5, 6, 7, 8));
    driver().injectFault("read_io_port", ZEVA_boardTimeoutError, 1);
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.b), ElementsAre(7, 8)); // hidden, kept from the 4-axis read
    type(dialog.bidlist, "6");
    EXPECT_TRUE(dialog.b(8).visible());
}

TEST_F(TriggerBreakpointDialogsTest, LimitLampsTakeTheirBitsFromTheAxisCount)
{
    auto& dialog = openFromMenu<ReadLimitSwitchStatusDialog>("returnlimstat");
    type(dialog.bidlist, "4");
    nextReadGives("read_lim_stat", 0x0841);
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.AR), ElementsAre(1, 4));
    EXPECT_THAT(green(dialog.AH), ElementsAre(1));
    EXPECT_THAT(green(dialog.AF), IsEmpty());

    type(dialog.bidlist, "1");
    EXPECT_FALSE(dialog.AR(4).visible());
    EXPECT_FALSE(dialog.axisCaptions(4).visible());
    nextReadGives("read_lim_stat", 0x0421);
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.AR), ElementsAre(3, 4)); // row 4 hidden, kept
    EXPECT_THAT(green(dialog.AH), ElementsAre(1));
    EXPECT_THAT(green(dialog.AF), ElementsAre(1));

    driver().injectFault("read_lim_stat", ZEVA_boardTimeoutError, 1);
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.AR), ElementsAre(4));
    type(dialog.bidlist, "5");
    driver().injectFault("read_lim_stat", ZEVA_boardTimeoutError, 1);
    click(dialog.runcmd);
    EXPECT_THAT(green(dialog.AR), IsEmpty());
}

// ---- Without a board ------------------------------------------------------------------------

using TriggerBreakpointDialogsWithoutBoardsTest = DialogsWithoutBoardsTest;

// The encoder board alone: the modulus and trigger link list none of its kind; the lamps of the
// read-backs keep their load-time arrangement, all shown and white.
TEST_F(TriggerBreakpointDialogsWithoutBoardsTest, NothingIsSentAndTheDesignStays)
{
    openWithoutBoard<LoadBreakpointModulusDialog>();
    auto& link = openWithoutBoard<BreakpointTriggerLinkDialog>();
    EXPECT_FALSE(link.porttxt.enabled());

    startWith({{3, 10}}); // a model of no board-type group: listed nowhere
    auto& begin = openWithoutBoard<BeginTriggerPrestoreDialog>();
    EXPECT_FALSE(begin.tnumtxt.enabled());
    auto& columns = openWithoutBoard<EnableIoTriggerInputsDialog>();
    EXPECT_TRUE(columns.fraEnIO(6).visible());
    EXPECT_EQ(columns.fraEnIO(1).left(), 480);
    EXPECT_EQ(columns.lbl(1).left(), 600);
    auto& limits = openWithoutBoard<ReadLimitSwitchStatusDialog>();
    EXPECT_TRUE(limits.AR(4).visible());
    auto& csr = openWithoutBoard<ReadCommStatusDialog>();
    csr.b.each([](int, const Shape& lamp) {
        EXPECT_TRUE(lamp.visible());
        EXPECT_EQ(lamp.fillColor(), kLampOff);
    });
}

} // namespace
} // namespace tarvik::testing
