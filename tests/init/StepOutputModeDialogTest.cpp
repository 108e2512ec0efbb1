#include "SetupDialogFixture.h"

#include "driver/StatusText.h"
#include "init/StepOutputModeDialog.h"
#include "program/SettingsMasks.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;

class StepOutputModeDialogTest : public SetupDialogFixture {
protected:
    // The stepper boards of the built-in set are IDs 2, 3, 5 and 6, one row each.
    StepOutputModeDialog& openOn(int row)
    {
        auto& dialog = fromMenu<StepOutputModeDialog>("setstepmodepol1");
        select(dialog.bidlist, row);
        return dialog;
    }
};

TEST_F(StepOutputModeDialogTest, StartUpDefaultsShowInvertingOutputsWithStepAndDirectionAndRunSendsSeven)
{
    auto& dialog = openOn(0);
    EXPECT_EQ(dialog.bidlist.items(), (std::vector<std::string>{"ID: 2", "ID: 3", "ID: 5", "ID: 6"}));
    EXPECT_TRUE(dialog.ipi.value());
    EXPECT_TRUE(dialog.opi.value());
    EXPECT_TRUE(dialog.omsd.value());
    click(dialog.cmdRun);
    EXPECT_THAT(takeCalls(), ElementsAre("set_step_mode_pol(2, 7)"));
    EXPECT_EQ(settingsChanged(2), 0);
}

TEST_F(StepOutputModeDialogTest, EachChoiceIsOneBitOfTheWordAndAnAcceptedWordIsKept)
{
    struct Case {
        bool stepDir, outputInverted, inhibitInverted;
        const char* call;
    };
    auto& dialog = openOn(0);
    for (const Case& c : {Case{false, false, false, "set_step_mode_pol(2, 0)"},
                          Case{true, false, false, "set_step_mode_pol(2, 1)"},
                          Case{false, true, false, "set_step_mode_pol(2, 2)"},
                          Case{false, false, true, "set_step_mode_pol(2, 4)"}}) {
        click(c.stepDir ? dialog.omsd : dialog.omcw);
        click(c.outputInverted ? dialog.opi : dialog.opn);
        click(c.inhibitInverted ? dialog.ipi : dialog.ipn);
        click(dialog.cmdRun);
        EXPECT_THAT(takeCalls(), ElementsAre(c.call));
        const auto& record = app().state().Settings.OpenLoopSettingsTable[2];
        EXPECT_EQ(record.StepDirMode, c.stepDir ? -1 : 0);
        EXPECT_EQ(record.OutputInverted, c.outputInverted ? -1 : 0);
        EXPECT_EQ(record.InhibitInverted, c.inhibitInverted ? -1 : 0);
    }
    EXPECT_EQ(settingsChanged(2), -1);
}

TEST_F(StepOutputModeDialogTest, InhibitChoicesClearTheStatusOtherChoicesLeaveIt)
{
    struct Case {
        Control& choice; // each one changes the selection, so its click counts
        bool clears;
    };
    auto& dialog = openOn(0);
    for (const Case& c : {Case{dialog.opn, false}, Case{dialog.outputInvertingLabel, false}, Case{dialog.omcw, false},
                          Case{dialog.stepAndDirLabel, false}, Case{dialog.ipn, true},
                          Case{dialog.inhibitInvertingLabel, true}}) {
        click(dialog.cmdRun);
        click(c.choice);
        EXPECT_EQ(dialog.msgtxt.text(), c.clears ? "" : StatusText(ZEVA_noError)) << c.choice.name();
    }
}

TEST_F(StepOutputModeDialogTest, ARefusedWordLeavesTheRecordAndSettingsChangedAlone)
{
    driver().injectFault("set_step_mode_pol", ZEVA_boardTimeoutError, 1);
    const RecordBytes before = recordOf(3);
    auto& dialog = openOn(1);
    click(dialog.omcw);
    click(dialog.cmdRun);
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_boardTimeoutError));
    EXPECT_EQ(recordOf(3), before);
    EXPECT_EQ(settingsChanged(3), 0);
    EXPECT_TRUE(dialog.edited());
}

TEST_F(StepOutputModeDialogTest, SetKeepsTheChoiceForTheNextInitialisationOfOpenLoopBoards)
{
    for (std::int16_t board : std::initializer_list<std::int16_t>{2, 5}) {
        app().state().boards.BoardInitState[static_cast<std::size_t>(board)] = 0;
        auto& dialog = fromWizard<StepOutputModeDialog>(board);
        click(dialog.cwCcwLabel); // "CW/CCW"
        click(dialog.outputNonInvertingLabel); // step outputs non-inverting
        click(dialog.cmdOK);
        const std::int16_t type = app().state().boards.BoardType[static_cast<std::size_t>(board)];
        EXPECT_EQ(StepModeWordOf(app().state().Settings, type, board), 4);
        EXPECT_EQ(settingsChanged(board), -1);
    }
    EXPECT_TRUE(takeCalls().empty());
}

TEST_F(StepOutputModeDialogTest, LoadingARecordIsNoEdit)
{
    app().state().Settings.ClosedLoopSettingsTable[3].StepDirMode = 0;
    app().state().Settings.ClosedLoopSettingsTable[3].InhibitInverted = 0;
    auto& dialog = openOn(1);
    EXPECT_TRUE(dialog.omcw.value());
    EXPECT_TRUE(dialog.ipn.value());
    EXPECT_FALSE(dialog.edited());
    click(dialog.cmdRun);
    EXPECT_THAT(takeCalls(), ElementsAre("set_step_mode_pol(3, 2)"));
    EXPECT_EQ(settingsChanged(3), 0);
}

} // namespace
} // namespace tarvik::testing
