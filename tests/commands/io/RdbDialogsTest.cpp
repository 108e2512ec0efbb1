// The Return Data Buffer dialogs and Send Command as a user meets them: what each request
// dialog lists and which clicks and keys it answers, the shared axis of Read Position to RDB,
// requests fetched and paged through in the viewer with the counts it writes, and the order in
// which Send Command checks its fields. Sessions through the same roads on the built-in boards
// are tests/scripts/io-rdb-*.tvs.

#include "kit/DialogsWithoutBoards.h"

#include "commands/io/FlushRdbDialog.h"
#include "commands/io/ReadAxisStatusToRdbDialog.h"
#include "commands/io/ReadIoPortToRdbDialog.h"
#include "commands/io/ReadLimitSwitchStatusToRdbDialog.h"
#include "commands/io/ReadPositionToRdbDialog.h"
#include "commands/io/ReadVelocityToRdbDialog.h"
#include "commands/io/ReturnDataBufferViewer.h"
#include "commands/io/SendCommandDialog.h"
#include "driver/StatusText.h"

#include <gmock/gmock.h>

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::string_view kSuccess = "status 0: ZEVA_noError. No error.";

class RdbDialogsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }

    // Selects the whole text and deletes it, as a user empties a box.
    void erase(TextBox& box)
    {
        retype(box, "");
        press(Key::Backspace);
    }

    std::vector<std::string> modalTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& shown : modalShows()) texts.push_back(shown.text);
        return texts;
    }

    // The three value labels of the packet shown.
    static std::vector<std::string> shownPacket(const ReturnDataBufferViewer& viewer)
    {
        return {viewer.axislbl.caption(), viewer.cmdlbl.caption(), viewer.datalbl.caption()};
    }
};

// ---- The request dialogs ------------------------------------------------------------------

struct RequestCase {
    std::string_view item;
    std::string_view form;
    std::string_view caption;
    bool messageBoxClears; // a click into msgtxt empties it
    bool boardKeys;        // digit keys in the board list pick a board
    std::string_view warning;
};

std::ostream& operator<<(std::ostream& out, const RequestCase& c) { return out << c.form; }

constexpr std::string_view kWarning =
    "Warning: Do not use this function while the Stepper or Servo Test Panel is open.\r\n";

class RdbDialogsRequestTest : public RdbDialogsTest, public ::testing::WithParamInterface<RequestCase> {};

TEST_P(RdbDialogsRequestTest, AnswerTheClicksAndKeysTheirDeclarationLists)
{
    const RequestCase& c = GetParam();
    auto& dialog = dynamic_cast<CommandDialog&>(openFromMenu(c.item, c.form));
    EXPECT_EQ(dialog.caption(), c.caption);
    EXPECT_TRUE(dialog.runcmd.enabled());
    if (c.warning.empty()) EXPECT_EQ(dialog.findControl("Text1"), nullptr);
    else EXPECT_EQ(dialog.notice().text(), c.warning);

    click(dialog.runcmd);
    ASSERT_EQ(dialog.msgtxt.text(), kSuccess);
    click(dialog.msgtxt);
    EXPECT_EQ(dialog.msgtxt.text(), c.messageBoxClears ? "" : kSuccess);
    click(dialog.runcmd);
    clickForm(dialog);
    EXPECT_EQ(dialog.msgtxt.text(), "");
    click(dialog.runcmd);
    focus(dialog.bidlist);
    EXPECT_EQ(dialog.msgtxt.text(), "") << "every member clears on entering the board list";

    const int beepsBefore = beeps();
    type(dialog.bidlist, "4");
    EXPECT_EQ(dialog.boards().selected(), c.boardKeys ? 4 : 1);
    type(dialog.bidlist, "9");
    EXPECT_EQ(beeps(), beepsBefore + (c.boardKeys ? 1 : 0)) << "only a list with digit keys beeps";
}

INSTANTIATE_TEST_SUITE_P(
    Dialogs, RdbDialogsRequestTest,
    ::testing::Values(
        RequestCase{"readvel", "frm54s", "Read Velocity to RDB", false, true, kWarning},
        RequestCase{"readioport", "frm47", "Read I/O Port to RDB", true, false, kWarning},
        RequestCase{"readaxisstat", "frm49", "Read Per Axis H/W Status to RDB", true, true,
                    "Warning: Do not use this function while the \r\nStepper or Servo Test Panel is open.\r\n"},
        RequestCase{"readpos", "frm53", "Read Position to RDB", false, true, kWarning},
        RequestCase{"readlimstat", "frm42", "Read Limit Switch Status to RDB", true, false,
                    "Warning: Do not use this function while \r\nthe Stepper or Servo Test Panel is open.\r\n"},
        RequestCase{"flushrdb", "frmfrdb", "Flush Return Data Buffer", true, false, ""}),
    [](const auto& row) { return std::string(row.param.form); });

TEST_F(RdbDialogsTest, ReadPositionToRdbKeepsItsAxisInTheSharedCurrentAxis)
{
    auto& dialog = openFromMenu<ReadPositionToRdbDialog>("readpos");
    EXPECT_EQ(app().state().selection.CurrentAxis, 1);
    retype(dialog.axistxt(), "2");
    EXPECT_EQ(app().state().selection.CurrentAxis, 1) << "typing alone changes nothing shared";
    click(dialog.runcmd);
    EXPECT_EQ(app().state().selection.CurrentAxis, 2);
    EXPECT_THAT(takeCalls(), ElementsAre("read_pos_rdb(1, 2)"));
    ASSERT_TRUE(close(dialog));
    openFromMenu<ReadPositionToRdbDialog>("readpos");
    EXPECT_EQ(app().state().selection.CurrentAxis, 1);
}

TEST_F(RdbDialogsTest, AFailedRequestShowsItsStatusAndAsksNothingMore)
{
    auto& dialog = openFromMenu<ReadVelocityToRdbDialog>("readvel");
    driver().injectFault("read_vel_rdb", ZEVA_boardTimeoutError, 1);
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_boardTimeoutError));
    EXPECT_THAT(takeCalls(), ElementsAre("read_vel_rdb(1, 1)"));
}

class RdbDialogsWithEncoderOnlyTest : public DialogsWithoutBoardsTest {};

TEST_F(RdbDialogsWithEncoderOnlyTest, OnlyThePerAxisStatusRequestRefusesAnEncoderBoard)
{
    openWithoutBoard<ReadAxisStatusToRdbDialog>();
    const std::size_t shown = messageBoxes().size();
    for (std::string_view item : {"readvel", "readioport", "readpos", "readlimstat", "flushrdb"}) {
        chooseMenu(item);
        EXPECT_EQ(messageBoxes().size(), shown) << item;
    }
    auto& position = *runtime().find<ReadPositionToRdbDialog>();
    EXPECT_THAT(position.bidlist.items(), ElementsAre("ID: 7"));
    click(position.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("read_pos_rdb(7, 1)"));
}

// ---- The viewer ---------------------------------------------------------------------------

TEST_F(RdbDialogsTest, RequestsAreFetchedInOrderAndPagedOneAtATime)
{
    auto& velocity = openFromMenu<ReadVelocityToRdbDialog>("readvel");
    retype(velocity.axistxt(), "2");
    click(velocity.runcmd);
    auto& port = openFromMenu<ReadIoPortToRdbDialog>("readioport");
    click(port.runcmd);
    auto& status = openFromMenu<ReadAxisStatusToRdbDialog>("readaxisstat");
    retype(status.axistxt(), "3");
    click(status.runcmd);

    auto& viewer = openFromMenu<ReturnDataBufferViewer>("returnrdb");
    EXPECT_EQ(viewer.numptxt.text(), "1");
    EXPECT_EQ(viewer.indtxt.text(), "1");
    EXPECT_THAT(shownPacket(viewer), ElementsAre("", "", ""));
    EXPECT_TRUE(viewer.runcmd.enabled());
    retype(viewer.numptxt, "5");
    takeCalls();
    click(viewer.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("read_rdb(1, &5->3, [2:84:0, 0:71:0, 3:73:5120])"));
    EXPECT_EQ(viewer.numptxt.text(), "3");
    EXPECT_EQ(viewer.msgtxt.text(), kSuccess);
    EXPECT_THAT(shownPacket(viewer), ElementsAre("2", "54", "0"));

    press(viewer.packetScroll, Key::Up);
    EXPECT_EQ(viewer.indtxt.text(), "2");
    EXPECT_EQ(viewer.packetScroll.value(), 0);
    EXPECT_THAT(shownPacket(viewer), ElementsAre("0", "47", "0"));
    press(viewer.packetScroll, Key::Up);
    EXPECT_THAT(shownPacket(viewer), ElementsAre("3", "49", "1400"));
    press(viewer.packetScroll, Key::Up);
    EXPECT_EQ(viewer.indtxt.text(), "4");
    EXPECT_THAT(shownPacket(viewer), ElementsAre("", "", "")) << "past the packets fetched";
    EXPECT_EQ(viewer.currentPacket(), 4);
    EXPECT_EQ(viewer.numptxt.text(), "3");

    // Typing a number shows that packet; the scroll bar then steps from it.
    retype(viewer.indtxt, "2000");
    const int beepsBefore = beeps();
    press(viewer.packetScroll, Key::Up);
    EXPECT_EQ(viewer.indtxt.text(), "1");
    EXPECT_EQ(beeps(), beepsBefore) << "past the last packet goes round without a beep";
    press(viewer.packetScroll, Key::Down);
    EXPECT_EQ(viewer.indtxt.text(), "1");
    EXPECT_EQ(beeps(), beepsBefore + 1);
    EXPECT_THAT(shownPacket(viewer), ElementsAre("2", "54", "0"));

    // Another board keeps the packets until the next fetch; that one empties the buffer's copy.
    type(viewer.bidlist, "4");
    EXPECT_THAT(shownPacket(viewer), ElementsAre("2", "54", "0"));
    takeCalls();
    click(viewer.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("read_rdb(4, &3->0, [])"));
    EXPECT_THAT(shownPacket(viewer), ElementsAre("", "", ""));
    EXPECT_THAT(modalShows(), IsEmpty());
}

TEST_F(RdbDialogsTest, PacketsShowTheirCommandAndDataInHexadecimal)
{
    auto& viewer = openFromMenu<ReturnDataBufferViewer>("returnrdb");
    driver().scriptReturnedPackets("read_rdb", {{1, 0x41, 255}, {4, -1, -1}}, 1);
    retype(viewer.numptxt, "2");
    click(viewer.runcmd);
    EXPECT_THAT(shownPacket(viewer), ElementsAre("1", "41", "FF"));
    retype(viewer.indtxt, "2");
    EXPECT_THAT(shownPacket(viewer), ElementsAre("4", "FFFF", "FFFFFFFF"));
}

TEST_F(RdbDialogsTest, AnEmptyBufferShowsNoPacketsAndNoRangeMessage)
{
    auto& viewer = openFromMenu<ReturnDataBufferViewer>("returnrdb");
    retype(viewer.numptxt, "10");
    click(viewer.runcmd);
    EXPECT_EQ(viewer.numptxt.text(), "0");
    EXPECT_EQ(viewer.msgtxt.text(), kSuccess);
    EXPECT_EQ(viewer.valueValid().at(0), 0) << "the count's valid flag";
    EXPECT_FALSE(viewer.runcmd.enabled()) << "RUN waits for a count the user types";
    press(viewer.packetScroll, Key::Up);
    EXPECT_EQ(viewer.numptxt.text(), "0");
    focus(viewer.numptxt);
    focus(viewer.indtxt);
    EXPECT_EQ(viewer.numptxt.text(), "0");
    EXPECT_THAT(modalShows(), IsEmpty());
    EXPECT_FALSE(viewer.runcmd.enabled());

    type(viewer.numptxt, "2");
    EXPECT_TRUE(viewer.runcmd.enabled());
}

TEST_F(RdbDialogsTest, AFailedFetchShowsNothingFetchedAndLeavesRunReadyToTryAgain)
{
    auto& request = openFromMenu<ReadPositionToRdbDialog>("readpos");
    click(request.runcmd);
    auto& viewer = openFromMenu<ReturnDataBufferViewer>("returnrdb");
    retype(viewer.numptxt, "5");
    driver().injectFault("read_rdb", ZEVA_boardTimeoutError, 1);
    click(viewer.runcmd);
    EXPECT_EQ(viewer.numptxt.text(), "5");
    EXPECT_EQ(viewer.msgtxt.text(), StatusText(ZEVA_boardTimeoutError));
    EXPECT_THAT(shownPacket(viewer), ElementsAre("", "", ""));
    EXPECT_TRUE(viewer.runcmd.enabled());
    EXPECT_THAT(modalShows(), IsEmpty());

    // The packet is still in the buffer for the next fetch.
    click(viewer.runcmd);
    EXPECT_EQ(viewer.numptxt.text(), "1");
    EXPECT_THAT(shownPacket(viewer), ElementsAre("1", "53", "0"));
}

TEST_F(RdbDialogsTest, TypedCountsAndPacketNumbersOutsideTheirRangeAreBroughtBack)
{
    auto& viewer = openFromMenu<ReturnDataBufferViewer>("returnrdb");
    const int beepsBefore = beeps();
    retype(viewer.indtxt, "2500");
    EXPECT_EQ(viewer.indtxt.text(), "2000");
    EXPECT_EQ(viewer.currentPacket(), 2000);
    retype(viewer.numptxt, "0");
    EXPECT_EQ(viewer.numptxt.text(), "1");
    EXPECT_TRUE(viewer.runcmd.enabled());
    EXPECT_EQ(beeps(), beepsBefore + 2);
    EXPECT_THAT(modalTexts(),
                ElementsAre("Value needs to be between 1 and 2000.", "Value needs to be between 1 and 2000."));
    erase(viewer.numptxt);
    EXPECT_FALSE(viewer.runcmd.enabled());
    erase(viewer.indtxt);
    EXPECT_EQ(viewer.currentPacket(), 2000) << "an empty packet number keeps the packet shown";
}

// ---- Send Command -------------------------------------------------------------------------

TEST_F(RdbDialogsTest, TheCommandCountsOnlyOnceItsBoxIsLeft)
{
    auto& dialog = openFromMenu<SendCommandDialog>("sendcommand");
    EXPECT_EQ(dialog.axistxt().text(), "1");
    EXPECT_EQ(dialog.cmdtxt.text(), "");
    EXPECT_FALSE(dialog.runcmd.enabled());

    type(dialog.cmdtxt, "41");
    type(dialog.wcounttxt, "2");
    type(dialog.cmddatatxt, "0");
    EXPECT_TRUE(dialog.runcmd.enabled());
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("send_command(1, 1, 65, 2, 0)"));

    // Every edit of the command disables RUN quietly, even to a code out of range.
    retype(dialog.cmdtxt, "9A");
    EXPECT_FALSE(dialog.runcmd.enabled());
    EXPECT_THAT(modalShows(), IsEmpty());
    const int beepsBefore = beeps();
    focus(dialog.wcounttxt);
    EXPECT_THAT(modalTexts(), ElementsAre("Value needs to be between 41 and 99."));
    EXPECT_EQ(dialog.cmdtxt.text(), "99");
    EXPECT_EQ(beeps(), beepsBefore + 1);
    EXPECT_TRUE(dialog.runcmd.enabled()) << "the bound put in counts, after its own quiet read";
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("send_command(1, 1, 153, 2, 0)"));

    retype(dialog.cmdtxt, "0F");
    focus(dialog.axistxt());
    EXPECT_EQ(dialog.cmdtxt.text(), "41");
    erase(dialog.cmdtxt);
    focus(dialog.axistxt());
    EXPECT_FALSE(dialog.runcmd.enabled());
    EXPECT_EQ(modalShows().size(), 2U);
}

TEST_F(RdbDialogsTest, WordCountIsClampedSilentlyAndDataChecked)
{
    auto& dialog = openFromMenu<SendCommandDialog>("sendcommand");
    type(dialog.cmdtxt, "4e");
    type(dialog.wcounttxt, "5");
    EXPECT_EQ(dialog.wcounttxt.text(), "4");
    EXPECT_THAT(modalShows(), IsEmpty());
    paste(dialog.cmddatatxt, "99999999999");
    EXPECT_THAT(modalTexts(), ElementsAre("Value needs to be between -2147483648 and 2147483647."));
    EXPECT_EQ(dialog.cmddatatxt.text(), "2147483647");
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("send_command(1, 1, 78, 4, 2147483647)"));

    erase(dialog.cmddatatxt);
    EXPECT_FALSE(dialog.runcmd.enabled());
    paste(dialog.cmddatatxt, " ");
    EXPECT_FALSE(dialog.runcmd.enabled());
}

TEST_F(RdbDialogsTest, CommandDataTakesASignOnlyFirst)
{
    auto& dialog = openFromMenu<SendCommandDialog>("sendcommand");
    type(dialog.cmdtxt, "4E");
    type(dialog.wcounttxt, "3");
    type(dialog.cmddatatxt, "5-");
    EXPECT_EQ(dialog.cmddatatxt.text(), "5");
    retype(dialog.cmddatatxt, "--");
    EXPECT_EQ(dialog.cmddatatxt.text(), "-");
    EXPECT_FALSE(dialog.runcmd.enabled());
    type(dialog.cmddatatxt, "2500");
    click(dialog.runcmd);
    EXPECT_THAT(takeCalls(), ElementsAre("send_command(1, 1, 78, 3, -2500)"));

    paste(dialog.cmddatatxt, "25-00");
    EXPECT_FALSE(dialog.runcmd.enabled());
}

TEST_F(RdbDialogsTest, ARawRequestLandsInTheBufferTheViewerReads)
{
    auto& dialog = openFromMenu<SendCommandDialog>("sendcommand");
    type(dialog.bidlist, "5");
    retype(dialog.axistxt(), "4");
    type(dialog.cmdtxt, "53");
    type(dialog.wcounttxt, "2");
    type(dialog.cmddatatxt, "0");
    click(dialog.runcmd);
    EXPECT_EQ(dialog.msgtxt.text(), kSuccess);
    click(dialog.msgtxt);
    EXPECT_EQ(dialog.msgtxt.text(), kSuccess) << "Send Command has no status box handler";

    auto& viewer = openFromMenu<ReturnDataBufferViewer>("returnrdb");
    type(viewer.bidlist, "5");
    click(viewer.runcmd);
    EXPECT_EQ(viewer.numptxt.text(), "1");
    EXPECT_THAT(shownPacket(viewer), ElementsAre("4", "53", "0"));
}

} // namespace
} // namespace tarvik::testing
