#include "SetupDialogFixture.h"

#include "init/IoPortSettingsDialog.h"
#include "program/SettingsMasks.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;

class IoPortSettingsDialogTest : public SetupDialogFixture {
protected:
    IoPortSettingsDialog& openOn(std::int16_t board)
    {
        auto& dialog = fromMenu<IoPortSettingsDialog>("setiopol");
        select(dialog.bidlist, board - 1); // the built-in boards are IDs 1..7, one row each
        EXPECT_EQ(dialog.boardId(), board);
        return dialog;
    }
};

TEST_F(IoPortSettingsDialogTest, EntriesSetByTheDefaultRecordShowAsSetSoAStoreWithoutAClickChangesNothing)
{
    auto& dialog = openOn(1);
    for (int bit = 1; bit <= 6; ++bit) {
        EXPECT_TRUE(dialog.pbi(bit).value()) << bit;
        EXPECT_TRUE(dialog.dbi(bit).value()) << bit;
    }
    const std::int16_t before = BuildIoPolarityMask(app().state().Settings, 0, 1);
    click(dialog.cmdRun);
    EXPECT_THAT(takeCalls(), ElementsAre("set_io_pol(1, 16191)"));
    EXPECT_EQ(BuildIoPolarityMask(app().state().Settings, 0, 1), before);
    EXPECT_EQ(settingsChanged(1), 0);
}

TEST_F(IoPortSettingsDialogTest, ClickedChoicesAreStoredAsOneOrZeroAndSent)
{
    auto& dialog = openOn(1);
    click(dialog.pbni(1));
    click(dialog.dbo(6));
    click(dialog.cmdRun);
    // I/O bit 1 no longer inverting (word bit 8), I/O bit 6 no longer an input (word bit 5).
    EXPECT_THAT(takeCalls(), ElementsAre("set_io_pol(1, 15903)"));
    const auto& record = app().state().Settings.ServoSettingsTable[1];
    EXPECT_EQ(record.IoInverted[0], 0);
    EXPECT_EQ(record.IoInput[5], 0);
    EXPECT_EQ(record.IoInverted[1], 1);
    EXPECT_EQ(settingsChanged(1), -1);
}

TEST_F(IoPortSettingsDialogTest, ClickingAChoiceAndItsPartnerBackStillCountsAsAnEdit)
{
    auto& dialog = openOn(2);
    click(dialog.dbo(3));
    click(dialog.dbi(3));
    click(dialog.cmdRun);
    EXPECT_EQ(settingsChanged(2), -1);
}

TEST_F(IoPortSettingsDialogTest, OnlyTheBoardsOwnBitsAreWritten)
{
    auto& record = app().state().Settings.OpenLoop4SettingsTable[5];
    record.IoInverted[4] = 77;
    record.IoInput[5] = 77;
    auto& dialog = openOn(5);
    click(dialog.pbni(4));
    click(dialog.cmdRun);
    EXPECT_THAT(takeCalls(), ElementsAre("set_io_pol(5, 1807)"));
    EXPECT_EQ(record.IoInverted[3], 0);
    EXPECT_EQ(record.IoInverted[4], 77);
    EXPECT_EQ(record.IoInput[5], 77);
}

TEST_F(IoPortSettingsDialogTest, WizardModeKeepsSetAndRunInTheirOwnPlaces)
{
    auto& dialog = openOn(1);
    EXPECT_EQ(dialog.cmdRun.left(), dialog.cmdOK.left());
    app().state().boards.BoardInitState[1] = 1;
    fromWizard<IoPortSettingsDialog>(1);
    EXPECT_TRUE(dialog.cmdOK.visible());
    EXPECT_TRUE(dialog.cmdRun.visible());
    EXPECT_GT(dialog.cmdRun.left(), dialog.cmdOK.left());
}

} // namespace
} // namespace tarvik::testing
