// What the three set-up dialogs share: the two modes, Set / RUN / Cancel, the edited flag and
// SettingsChanged, loading afresh when shown again for another board or mode, and doing nothing
// without a listed board.

#include "SetupDialogFixture.h"

#include "common/BoardPicker.h"
#include "driver/StatusText.h"
#include "init/IoPortSettingsDialog.h"
#include "init/LimitSwitchSettingsDialog.h"
#include "init/StepOutputModeDialog.h"

namespace tarvik::testing {
namespace {

struct LimitSwitches {
    using Dialog = LimitSwitchSettingsDialog;
    static constexpr std::string_view menu = "setlimpol";
    static Control& choice(Dialog& dialog) { return dialog.btnlimRni(1); }
};

struct StepOutput {
    using Dialog = StepOutputModeDialog;
    static constexpr std::string_view menu = "setstepmodepol1";
    static Control& choice(Dialog& dialog) { return dialog.ipn; }
};

struct IoPort {
    using Dialog = IoPortSettingsDialog;
    static constexpr std::string_view menu = "setiopol";
    static Control& choice(Dialog& dialog) { return dialog.pbni(1); }
};

template <class Traits>
class SetupDialogTest : public SetupDialogFixture {
protected:
    using Dialog = typename Traits::Dialog;

    Dialog& wizard(std::int16_t board) { return fromWizard<Dialog>(board); }
    Dialog& menu() { return fromMenu<Dialog>(Traits::menu); }
    bool panelFlag() { return servesWizard<Dialog>(); }

    int rowOf(Dialog& dialog, std::int16_t board)
    {
        for (int row = 0; row < dialog.bidlist.listCount(); ++row)
            if (dialog.bidlist.list(row) == "ID: " + std::to_string(board)) return row;
        ADD_FAILURE() << "board " << board << " is not listed";
        return 0;
    }
};

using Dialogs = ::testing::Types<LimitSwitches, StepOutput, IoPort>;
TYPED_TEST_SUITE(SetupDialogTest, Dialogs);

TYPED_TEST(SetupDialogTest, WizardModeListsTheWizardBoardAloneAndOffersRunOnlyOnceItIsInitialised)
{
    for (std::int16_t state : std::initializer_list<std::int16_t>{0, -1}) {
        this->app().state().boards.BoardInitState[2] = state;
        auto& dialog = this->wizard(2);
        EXPECT_EQ(dialog.mode(), SetupMode::Wizard);
        EXPECT_TRUE(this->panelFlag());
        EXPECT_EQ(dialog.bidlist.items(), std::vector<std::string>{"ID: 2"});
        EXPECT_EQ(dialog.bidlist.listIndex(), 0);
        EXPECT_FALSE(dialog.bidlist.enabled());
        EXPECT_TRUE(dialog.cmdOK.visible());
        EXPECT_FALSE(dialog.cmdRun.visible()) << "BoardInitState " << state;
        EXPECT_TRUE(dialog.cmdCancel.visible());
        this->click(dialog.cmdCancel);
        EXPECT_EQ(this->app().template loaded<typename TestFixture::Dialog>(), nullptr);
        EXPECT_FALSE(this->panelFlag());
    }
    this->app().state().boards.BoardInitState[2] = 1;
    EXPECT_TRUE(this->wizard(2).cmdRun.visible());
}

TYPED_TEST(SetupDialogTest, MenuModeHidesSetAndOffersRunForBoardsNeverInitialised)
{
    auto& dialog = this->menu();
    EXPECT_EQ(dialog.mode(), SetupMode::Menu);
    EXPECT_FALSE(this->panelFlag());
    EXPECT_TRUE(dialog.bidlist.enabled());
    EXPECT_GT(dialog.bidlist.listCount(), 1);
    EXPECT_FALSE(dialog.cmdOK.visible());
    EXPECT_TRUE(dialog.cmdRun.visible());
    EXPECT_TRUE(dialog.cmdRun.enabled());
    EXPECT_EQ(this->app().state().boards.BoardInitState[static_cast<std::size_t>(dialog.boardId())], 0);

    // The digit keys pick a listed board.
    this->type(dialog.bidlist, "3");
    EXPECT_EQ(dialog.boardId(), 3);
}

TYPED_TEST(SetupDialogTest, ShownAgainForAnotherBoardItLoadsThatBoardInsteadOfWritingIntoTheFirst)
{
    const RecordBytes firstBoard = this->recordOf(2);
    auto& dialog = this->wizard(2);
    this->click(TypeParam::choice(dialog));
    EXPECT_TRUE(dialog.edited());

    // Shown again for the same board, it comes forward as it was.
    EXPECT_EQ(&this->wizard(2), &dialog);
    EXPECT_TRUE(dialog.edited());

    // Another wizard's board: loaded afresh.
    EXPECT_EQ(&this->wizard(3), &dialog);
    EXPECT_EQ(dialog.boardId(), 3);
    EXPECT_EQ(dialog.bidlist.items(), std::vector<std::string>{"ID: 3"});
    EXPECT_FALSE(dialog.edited());
    this->click(dialog.cmdOK);
    EXPECT_EQ(this->recordOf(2), firstBoard);
    EXPECT_EQ(this->settingsChanged(2), 0);
    EXPECT_EQ(this->settingsChanged(3), 0);
}

TYPED_TEST(SetupDialogTest, OpeningFromTheOtherPlaceSwitchesTheOpenDialogsMode)
{
    auto& dialog = this->wizard(2);
    this->chooseMenu(TypeParam::menu);
    EXPECT_EQ(this->app().template loaded<typename TestFixture::Dialog>(), &dialog);
    EXPECT_EQ(dialog.mode(), SetupMode::Menu);
    EXPECT_FALSE(this->panelFlag()) << "a closing wizard must not unload the menu's dialog";
    EXPECT_TRUE(dialog.bidlist.enabled());
    EXPECT_FALSE(dialog.cmdOK.visible());
    EXPECT_GT(dialog.bidlist.listCount(), 1);

    this->wizard(3);
    EXPECT_EQ(dialog.mode(), SetupMode::Wizard);
    EXPECT_TRUE(this->panelFlag());
    EXPECT_EQ(dialog.bidlist.items(), std::vector<std::string>{"ID: 3"});
    EXPECT_TRUE(dialog.cmdOK.visible());
}

TYPED_TEST(SetupDialogTest, WithoutABoardSetAndRunDoNothing)
{
    for (std::int16_t board : std::initializer_list<std::int16_t>{-1, 8}) {
        auto& dialog = this->wizard(board);
        EXPECT_EQ(dialog.bidlist.listCount(), 0);
        EXPECT_FALSE(dialog.bidlist.enabled());
        EXPECT_FALSE(dialog.cmdOK.enabled());
        EXPECT_FALSE(dialog.cmdRun.enabled());
        EXPECT_EQ(dialog.boardId(), -1);
        this->click(dialog.cmdCancel);
    }
    EXPECT_TRUE(this->takeCalls().empty());
    for (std::int16_t changed : this->app().state().boards.SettingsChanged) EXPECT_EQ(changed, 0);
}

TYPED_TEST(SetupDialogTest, OnlyAStoreAfterAUserClickMarksTheRecordChanged)
{
    this->app().state().boards.BoardInitState[2] = 1;
    auto& dialog = this->wizard(2);
    this->click(dialog.cmdRun);
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_noError));
    EXPECT_EQ(this->settingsChanged(2), 0);

    this->click(TypeParam::choice(dialog));
    this->click(dialog.cmdOK);
    EXPECT_EQ(this->settingsChanged(2), -1);
    EXPECT_EQ(this->app().template loaded<typename TestFixture::Dialog>(), nullptr);
}

TYPED_TEST(SetupDialogTest, ChoosingAnotherBoardInMenuModeDiscardsUnstoredClicks)
{
    const RecordBytes firstBoard = this->recordOf(2);
    auto& dialog = this->menu();
    this->select(dialog.bidlist, this->rowOf(dialog, 2));
    this->click(TypeParam::choice(dialog));
    this->select(dialog.bidlist, this->rowOf(dialog, 3));
    EXPECT_FALSE(dialog.edited());
    this->click(dialog.cmdRun);
    EXPECT_EQ(this->recordOf(2), firstBoard);
    EXPECT_EQ(this->settingsChanged(2), 0);
    EXPECT_EQ(this->settingsChanged(3), 0);
}

TYPED_TEST(SetupDialogTest, TheBoardListAndTheStatusBoxClearTheStatusWhenFocused)
{
    auto& dialog = this->menu();
    for (Control* target : std::initializer_list<Control*>{&dialog.bidlist, &dialog.msgtxt}) {
        this->click(dialog.cmdRun);
        EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_noError));
        this->focus(*target);
        EXPECT_EQ(dialog.msgtxt.text(), "") << target->name();
    }
}

// A configuration without stepper boards: the step-output dialog has nothing to list.
class SetupDialogWithoutStepperBoardsTest : public SetupDialogFixture {
protected:
    SetupDialogWithoutStepperBoardsTest() : SetupDialogFixture({{1, 0, 0x300, {}}, {2, 11, 0x320, {}}}) {}
};

TEST_F(SetupDialogWithoutStepperBoardsTest, MenuModeTellsTheUserAndKeepsSetAndRunFromTheDriver)
{
    // The Stepper menu is off without stepper boards; the menu item's opener still copes.
    openSetupDialogFromMenu<StepOutputModeDialog, Opening::Restore>(app());
    auto& dialog = *app().loaded<StepOutputModeDialog>();
    ASSERT_EQ(messageBoxes().size(), 1u);
    EXPECT_EQ(messageBoxes()[0].text, kNoBoardsMessage);
    EXPECT_EQ(dialog.bidlist.listCount(), 0);
    EXPECT_FALSE(dialog.bidlist.enabled());
    EXPECT_FALSE(dialog.cmdOK.enabled());
    EXPECT_FALSE(dialog.cmdRun.enabled());
    EXPECT_EQ(dialog.boardId(), -1);
    EXPECT_TRUE(takeCalls().empty());
}

} // namespace
} // namespace tarvik::testing
