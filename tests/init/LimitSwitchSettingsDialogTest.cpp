#include "SetupDialogFixture.h"

#include "driver/StatusText.h"
#include "init/LimitSwitchSettingsDialog.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAre;

class LimitSwitchSettingsDialogTest : public SetupDialogFixture {
protected:
    LimitSwitchSettingsDialog& openOn(std::int16_t board)
    {
        auto& dialog = fromMenu<LimitSwitchSettingsDialog>("setlimpol");
        select(dialog.bidlist, board - 1); // the built-in boards are IDs 1..7, one row each
        EXPECT_EQ(dialog.boardId(), board);
        return dialog;
    }

    template <class F>
    void eachAxis(std::int16_t board, F&& f)
    {
        const std::int16_t type = app().state().boards.BoardType[static_cast<std::size_t>(board)];
        visitRecord(app().state().Settings, type, board, [&](auto& record) {
            for (auto& axis : record.Axis) f(axis);
        });
    }
};

TEST_F(LimitSwitchSettingsDialogTest, StartUpDefaultsShowEveryInputInvertingAndEnabledAndRunSendsEveryBit)
{
    struct Case {
        std::int16_t board;
        const char* polarity;
        const char* enable;
    };
    for (const Case& c : {Case{1, "set_lim_pol(1, 1855)", "enable_limits(1, 1855)"},
                          Case{4, "set_lim_pol(4, 4095)", "enable_limits(4, 4095)"}}) {
        auto& dialog = openOn(c.board);
        for (int axis = 1; axis <= 3; ++axis) {
            EXPECT_TRUE(dialog.BtnlimRi(axis).value());
            EXPECT_TRUE(dialog.BtnlimHi(axis).value());
            EXPECT_TRUE(dialog.BtnlimFi(axis).value());
            EXPECT_EQ(dialog.chkHomeEn(axis).value(), CheckBox::Checked);
        }
        click(dialog.cmdRun);
        EXPECT_THAT(takeCalls(), ElementsAre(c.polarity, c.enable));
        EXPECT_EQ(dialog.msgtxt.text(), "status 0: ZEVA_noError. No error.");
        eachAxis(c.board, [](const auto& axis) {
            EXPECT_EQ(axis.ReverseLimitInverted, -1);
            EXPECT_EQ(axis.HomeInverted, -1);
            EXPECT_EQ(axis.ForwardLimitInverted, -1);
            EXPECT_EQ(axis.LimitEnableBits, 7);
        });
        EXPECT_EQ(settingsChanged(c.board), 0);
    }
}

TEST_F(LimitSwitchSettingsDialogTest, AxisOneIsTheHighestPairOfTheWords)
{
    auto& three = openOn(1);
    click(three.btnlimRni(1));   // bit 4 of a 3-axis word
    click(three.chkHomeEn(2));   // bit 8 + 1
    click(three.cmdRun);
    EXPECT_THAT(takeCalls(), ElementsAre("set_lim_pol(1, 1839)", "enable_limits(1, 1343)"));
    const auto& record = app().state().Settings.ServoSettingsTable[1];
    EXPECT_EQ(record.Axis[0].ReverseLimitInverted, 0);
    EXPECT_EQ(record.Axis[1].LimitEnableBits, LimitEnableReverse + LimitEnableForward);
    EXPECT_EQ(settingsChanged(1), -1);

    auto& four = openOn(4);
    click(four.btnlimRni(1));    // bit 6 of a 4-axis word
    click(four.btnlimFni(4));    // bit 1
    click(four.ChkRevEn(4));     // bit 0
    click(four.cmdRun);
    EXPECT_THAT(takeCalls(), ElementsAre("set_lim_pol(4, 4029)", "enable_limits(4, 4094)"));
}

TEST_F(LimitSwitchSettingsDialogTest, AnEncoderBoardKeepsItsOwnEnablesBehindTheHiddenBoxes)
{
    eachAxis(7, [](auto& axis) { axis.LimitEnableBits = LimitEnableHome + LimitEnableForward; });
    auto& dialog = openOn(4);
    for (int axis = 1; axis <= 4; ++axis) click(dialog.ChkRevEn(axis));
    select(dialog.bidlist, 6); // board 7, encoder: its boxes are hidden
    click(dialog.cmdRun);
    // Home bits 8..11 and the forward bits 1, 3, 5, 7: the encoder record's own enables.
    EXPECT_THAT(takeCalls(), ElementsAre("set_lim_pol(7, 4095)", "enable_limits(7, 4010)"));
    eachAxis(7, [](const auto& axis) { EXPECT_EQ(axis.LimitEnableBits, LimitEnableHome + LimitEnableForward); });
}

TEST_F(LimitSwitchSettingsDialogTest, ARefusedPolarityWordSkipsTheEnableWordButTheChoiceIsKept)
{
    driver().injectFault("set_lim_pol", ZEVA_badDeviceOrAxisError, 1);
    auto& dialog = openOn(2);
    click(dialog.btnlimHni(2));
    click(dialog.cmdRun);
    EXPECT_THAT(takeCalls(), ElementsAre("set_lim_pol(2, 1343)"));
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_badDeviceOrAxisError));
    EXPECT_EQ(app().state().Settings.OpenLoopSettingsTable[2].Axis[1].HomeInverted, 0);
    EXPECT_EQ(settingsChanged(2), -1);

    driver().injectFault("enable_limits", ZEVA_argumentRangeError, 1);
    click(dialog.cmdRun);
    EXPECT_THAT(takeCalls(), ElementsAre("set_lim_pol(2, 1343)", "enable_limits(2, 1855)"));
    EXPECT_EQ(dialog.msgtxt.text(), StatusText(ZEVA_argumentRangeError));
}

TEST_F(LimitSwitchSettingsDialogTest, LegendsAndEnableBoxesFollowTheBoardTypeThereAndBack)
{
    const auto expectLayout = [](LimitSwitchSettingsDialog& dialog, float legendLeft, bool enables) {
        for (int i = 0; i <= 2; ++i) EXPECT_EQ(dialog.label(i).left(), legendLeft) << "label " << i;
        EXPECT_EQ(dialog.lblEnable(1).visible(), enables);
        EXPECT_EQ(dialog.label(2).visible(), enables);
        for (int axis = 1; axis <= 3; ++axis) {
            EXPECT_EQ(dialog.ChkRevEn(axis).visible(), enables) << "axis " << axis;
            EXPECT_EQ(dialog.chkHomeEn(axis).visible(), enables) << "axis " << axis;
            EXPECT_EQ(dialog.chkFwdEn(axis).visible(), enables) << "axis " << axis;
        }
    };
    auto& dialog = openOn(1); // 3-axis servo
    expectLayout(dialog, 2700, true);
    select(dialog.bidlist, 6); // board 7, encoder
    expectLayout(dialog, 3480, false);
    EXPECT_FALSE(dialog.chkFwdEn(4).visible());
    select(dialog.bidlist, 0);
    expectLayout(dialog, 2700, true);
}

// The 2-axis models are laid out like the 4-axis boards.
class LimitSwitchSettingsDialogTwoAxisTest : public SetupDialogFixture {
protected:
    LimitSwitchSettingsDialogTwoAxisTest() : SetupDialogFixture({{1, 7, 0x300, {}}, {2, 8, 0x320, {}}, {3, 9, 0x340, {}}}) {}
};

TEST_F(LimitSwitchSettingsDialogTwoAxisTest, ShowsFourAxisFrames)
{
    auto& dialog = fromMenu<LimitSwitchSettingsDialog>("setlimpol");
    for (int row = 0; row < 3; ++row) {
        select(dialog.bidlist, row);
        EXPECT_TRUE(dialog.axisFrames(4).visible()) << "row " << row;
        EXPECT_EQ(dialog.axisFrames(3).left(), 180);
    }
}

} // namespace
} // namespace tarvik::testing
