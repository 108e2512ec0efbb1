// The XY Table Demo as a user meets it, on the built-in simulated boards (1 three-axis servo,
// 4 four-axis servo, 5 four-axis open-loop stepper, 7 encoder), each initialised first.
// Scripted roads with driver faults: tests/scripts/xy-*.tvs.

#include "kit/ProgramTest.h"

#include "init/InitSequences.h"
#include "panels/xy/SegmentVelocityDialog.h"
#include "panels/xy/XyFindHomePanel.h"
#include "panels/xy/XyFindIndexPanel.h"
#include "panels/xy/XyTableDemo.h"
#include "program/App.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <initializer_list>

namespace tarvik::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::Not;

constexpr std::int16_t kServo3 = 1, kServo4 = 4, kStepper4 = 5, kEncoder = 7;
// Servo defaults: 1000 lines x 4 x pitch 5 x gear 1.
constexpr float kServoCountsPerInch = 20000;

class XyTableDemoTest : public ProgramTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }

    XyTableDemo& openDemo(std::initializer_list<std::int16_t> boards)
    {
        for (std::int16_t board : boards) EXPECT_TRUE(InitializeBoard(app(), board));
        XyTableDemo& demo = openFromMenu<XyTableDemo>("xytablemu");
        driver().mark();
        return demo;
    }
    // The calls since the mark, the polls of status and position left out.
    std::vector<std::string> commands()
    {
        std::vector<std::string> result;
        for (const CallRecord& call : driver().callsSinceMark())
            if (call.entry != "read_axis_stat" && call.entry != "read_pos") result.push_back(call.text());
        return result;
    }
    bool menuEnabled(std::string_view item) { return app().menuBar()->menu(item)->enabled(); }
    static long count(const PictureBox& box, DrawOp::Kind kind)
    {
        return std::ranges::count_if(box.displayList(), [kind](const DrawOp& op) { return op.kind == kind; });
    }
    void automaticRoutine(XyTableDemo& demo)
    {
        click(demo.modeauto);
        mouse(demo.box, kServoCountsPerInch, kServoCountsPerInch);
        mouse(demo.box, 2 * kServoCountsPerInch, 0);
    }
};

TEST_F(XyTableDemoTest, OpensOnInitialisedBoardsWithTheBoardsDefaultsAndLocksPrestore)
{
    EXPECT_FALSE(menuEnabled("xytablemu"));
    XyTableDemo& demo = openDemo({kServo4, kEncoder});
    EXPECT_TRUE(menuEnabled("xytablemu"));
    EXPECT_THAT(demo.bidlist.items(), ElementsAre("ID: 4", "ID: 7"));
    for (auto [box, text] : {std::pair{&demo.xrevsinchtxt, "5"}, {&demo.xmaxtxt, "6"}, {&demo.ymintxt, "0"},
                             {&demo.vectveltxt, "1"}, {&demo.gridxtxt, ".02"}, {&demo.gearytxt, "1"}})
        EXPECT_EQ(box->text(), text) << box->name();
    EXPECT_FLOAT_EQ(demo.box.width(), 5688);
    EXPECT_FLOAT_EQ(demo.box.height(), 5688);
    EXPECT_FLOAT_EQ(demo.box.top(), 0);
    EXPECT_FLOAT_EQ(demo.fields().CountsPerInchX, kServoCountsPerInch);
    // Seven vertical and six horizontal grid lines, and the present position.
    EXPECT_EQ(count(demo.box, DrawOp::Kind::Line), 13);
    ASSERT_EQ(count(demo.box, DrawOp::Kind::Circle), 1);
    EXPECT_EQ(demo.box.displayList().back().color, rgb(200, 0, 0));
    EXPECT_TRUE(demo.startcmd.enabled());
    EXPECT_FALSE(demo.stopcmd.enabled());
    EXPECT_FALSE(menuEnabled("beginprestore"));
    EXPECT_TRUE(app().state().windows.XyDemoOpen);

    // The encoder board: every motion control off, its defaults still written, no driver call.
    select(demo.bidlist, 1);
    for (Control* control : std::initializer_list<Control*>{&demo.homecmd, &demo.indexcmd, &demo.startcmd, &demo.stopcmd,
                                                             &demo.modeframe, &demo.xaxistxt})
        EXPECT_FALSE(control->enabled()) << control->name();
    EXPECT_EQ(demo.xmaxtxt.text(), "6");
    EXPECT_THAT(commands(), Not(Contains(HasSubstr("set_pos_mode"))));

    EXPECT_TRUE(close(demo));
    EXPECT_TRUE(menuEnabled("beginprestore"));
    EXPECT_FALSE(app().state().windows.XyDemoOpen);
}

TEST_F(XyTableDemoTest, RefusedScalesAreReportedAndTheLastGoodLimitsComeBack)
{
    XyTableDemo& demo = openDemo({kServo4});
    retype(demo.xmintxt, "3");
    press(Key::Enter);
    EXPECT_TRUE(errorWindows().empty());
    retype(demo.xmaxtxt, "1");
    press(Key::Enter);
    EXPECT_THAT(errorWindows(), ElementsAre("Invalid scale settings. Max and min values must be different."));
    EXPECT_EQ(demo.xmintxt.text(), "3");
    EXPECT_EQ(demo.xmaxtxt.text(), "6");

    retype(demo.ymaxtxt, ".02");
    focus(demo.ymintxt);
    EXPECT_THAT(errorWindows().back(), "Invalid scale settings. Aspect ratio must be less than or equal to 100.");
    EXPECT_EQ(demo.ymaxtxt.text(), "6");
    EXPECT_FLOAT_EQ(demo.box.width(), 5688 * 3 / 6.0F);
}

TEST_F(XyTableDemoTest, ABoardWithoutCountsPerRevolutionIsRefusedWithoutDividingByZero)
{
    EXPECT_TRUE(InitializeBoard(app(), kStepper4));
    app().state().xy.XCountsPerRev[kStepper4] = 0;
    XyTableDemo& demo = openFromMenu<XyTableDemo>("xytablemu");
    EXPECT_THAT(errorWindows(), Contains(HasSubstr("counts per inch are 0")));
    EXPECT_FALSE(demo.startcmd.enabled());
    driver().mark();
    mouse(demo.box, 100, 100);
    EXPECT_EQ(demo.fields().TargetCount, 0);
    EXPECT_TRUE(commands().empty());
}

TEST_F(XyTableDemoTest, AManualClickAfterStartSendsOneCoordinatedServoSegment)
{
    XyTableDemo& demo = openDemo({kServo4});
    mouse(demo.box, kServoCountsPerInch, 0);
    EXPECT_TRUE(commands().empty());
    click(demo.startcmd);
    EXPECT_FALSE(demo.bidlist.enabled());
    mouse(demo.box, kServoCountsPerInch, 0);
    // 1 inch/s along X: 20000 x 0.000341 x 65536 counts; 10 inch/s² likewise in the servo's
    // acceleration unit.
    EXPECT_THAT(commands(), ElementsAre("set_pos_mode(4, 1, 0)", "set_pos_mode(4, 2, 0)", "load_target_pos(4, 1, 20000)",
                                        "load_target_pos(4, 2, 0)", "load_vel(4, 1, 446956)", "load_vel(4, 2, 0)",
                                        "load_accel(4, 1, 1524)", "load_accel(4, 2, 0)", "multi_start(4, 3)"));
    EXPECT_EQ(demo.fields().TargetCount, 2);
    EXPECT_EQ(demo.targxlbl.caption(), "1.00");
    wait(2000);
    EXPECT_EQ(demo.Presxlbl.caption(), "1.00");
    EXPECT_EQ(demo.fields().MovePendingX, 0);
}

TEST_F(XyTableDemoTest, AStillManualRunAddsNothingToTheDrawingTickByTick)
{
    XyTableDemo& demo = openDemo({kServo4});
    click(demo.startcmd);
    wait(1000);
    const std::size_t drawn = demo.box.displayList().size();
    wait(60'000);
    EXPECT_EQ(demo.box.displayList().size(), drawn);
}

TEST_F(XyTableDemoTest, AxisBoxesStayOnTheBoardsAxesAndOneAxisForBothKeepsStartOff)
{
    XyTableDemo& demo = openDemo({kServo3});
    const int before = beeps();
    retype(demo.xaxistxt, "4");
    EXPECT_EQ(demo.xaxistxt.text(), "3");
    EXPECT_EQ(beeps(), before + 1);
    retype(demo.yaxistxt, "3");
    EXPECT_FALSE(demo.startcmd.enabled());
    retype(demo.xaxistxt, "2");
    EXPECT_TRUE(demo.startcmd.enabled());
    EXPECT_TRUE(demo.modeframe.enabled());
    click(demo.startcmd);
    driver().mark();
    mouse(demo.box, kServoCountsPerInch, kServoCountsPerInch);
    EXPECT_THAT(commands(), Contains("multi_start(1, 2)"));
}

TEST_F(XyTableDemoTest, AnAutomaticRoutineRunsLapAfterLapAndStopRepeatsTheInterruptedSegment)
{
    XyTableDemo& demo = openDemo({kStepper4});
    click(demo.modeauto);
    EXPECT_FALSE(demo.startcmd.enabled());
    mouse(demo.box, 10000, 10000);
    mouse(demo.box, 20000, 0);
    EXPECT_EQ(demo.fields().TargetCount, 3);
    EXPECT_EQ(demo.fields().TargetsX[0], 0);
    click(demo.startcmd);
    EXPECT_FALSE(demo.vectveltxt.enabled());
    wait(60);
    EXPECT_THAT(commands(), Contains("load_target_pos(5, 1, 10000)"));
    const Color firstLap = demo.fields().PathColor;
    // Segments to 1, 2, 0 and again 1: the second lap draws in the other colour.
    for (int i = 0; i < 200 && demo.fields().SegmentIndex != 0; ++i) wait(100);
    for (int i = 0; i < 200 && demo.fields().SegmentIndex != 1; ++i) wait(100);
    EXPECT_NE(demo.fields().PathColor, firstLap);
    click(demo.stopcmd);
    EXPECT_EQ(demo.fields().SegmentIndex, 0);
    EXPECT_EQ(demo.fields().ScaleQuestionPending, -1);
    EXPECT_TRUE(demo.startcmd.enabled());
    EXPECT_FALSE(demo.stopcmd.enabled());
    EXPECT_EQ(demo.fields().Running, 0);
    // Clicks record nothing while running; after 499 clicked points the routine is full.
    for (int i = demo.fields().TargetCount; i < XyTableFields::kMaxTargets; ++i) mouse(demo.box, 100.0F * static_cast<float>(i), 0);
    EXPECT_EQ(demo.fields().TargetCount, 500);
    mouse(demo.box, 1, 1);
    EXPECT_EQ(errorWindows().back(), "The maximum number of targets, 500, has been reached.");
}

TEST_F(XyTableDemoTest, AFollowingErrorStopsBothAxesAndTheRun)
{
    XyTableDemo& demo = openDemo({kServo4});
    click(demo.startcmd);
    program().boards().failNextMove(kServo4, 1);
    mouse(demo.box, 2 * kServoCountsPerInch, 0);
    driver().mark();
    wait(3000);
    EXPECT_THAT(errorWindows(), ElementsAre("Following error occurred on axis #1."));
    EXPECT_THAT(commands(), Contains("kill_motion(4, 1)"));
    EXPECT_THAT(commands(), Contains("stop_motion(4, 2)"));
    EXPECT_EQ(demo.fields().Running, 0);
    EXPECT_TRUE(demo.startcmd.enabled());
    EXPECT_EQ(demo.runlight.fillColor(), 0x0000FF);
}

TEST_F(XyTableDemoTest, AVelocityTypedAfterStopAsksHowMuchOfTheRoutineItChanges)
{
    EXPECT_EQ(RatioText(2, 1), " 2  ");
    EXPECT_EQ(RatioText(2, 3), " (  2 /  3 )  ");
    XyTableDemo& demo = openDemo({kServo4});
    automaticRoutine(demo);
    click(demo.startcmd);
    wait(60);
    click(demo.stopcmd);
    onModal("frmScaleSegments", [this](Form& form) {
        auto& question = static_cast<SegmentVelocityDialog&>(form);
        EXPECT_THAT(question.questionLabel.caption(), HasSubstr("increase the speed of the entire routine"));
        EXPECT_EQ(question.ratioLabel.caption(), "Vector Velocity Ratio: 2  ");
        click(question.routineButton);
    });
    retype(demo.vectveltxt, "2");
    focus(demo.erasecmd);
    for (int i = 0; i < 3; ++i) EXPECT_FLOAT_EQ(demo.fields().SegmentVelocity[static_cast<std::size_t>(i)], 2);
    EXPECT_EQ(demo.fields().ScaleQuestionPending, 0);
    // Asked once per STOP.
    retype(demo.vectveltxt, "3");
    focus(demo.erasecmd);
    EXPECT_FLOAT_EQ(demo.fields().SegmentVelocity[1], 2);
}

TEST_F(XyTableDemoTest, FindHomeSearchesBothAxesZeroesThemAndTheDemoForgetsItsTargets)
{
    XyTableDemo& demo = openDemo({kServo4});
    program().boards().setHomeSwitch(kServo4, 1, 3000);
    program().boards().setHomeSwitch(kServo4, 2, 3000);
    automaticRoutine(demo);
    click(demo.modemanu);
    onModal("frmxyhome", [this](Form& form) {
        auto& panel = static_cast<XyFindHomePanel&>(form);
        EXPECT_EQ(panel.msgtxt.text(), "Hit continue to find home on x and y axes.");
        click(panel.contcmd);
        EXPECT_EQ(panel.msgtxt.text(), "Find home sequence has completed.");
        click(panel.quitcmd);
    });
    click(demo.homecmd);
    EXPECT_THAT(commands(), ElementsAre("load_rpm(4, 1, 500)", "load_rpm(4, 2, 500)", "load_rpsps(4, 1, 100)", "load_rpsps(4, 2, 100)",
                                        "find_home(4, 1, 0)", "find_home(4, 2, 0)", "reset_pos(4, 1)",
                                        "reset_pos(4, 2)"));
    EXPECT_EQ(demo.fields().TargetCount, 0);
}

TEST_F(XyTableDemoTest, KillMotionEndsTheHomeSearchOnBothAxesWithoutZeroing)
{
    XyTableDemo& demo = openDemo({kServo4});
    program().boards().setHomeSwitch(kServo4, 1, 900000);
    program().boards().setHomeSwitch(kServo4, 2, 900000);
    onModal("frmxyhome", [this](Form& form) {
        auto& panel = static_cast<XyFindHomePanel&>(form);
        after(200, [this, &panel] { click(panel.killcmd); });
        click(panel.contcmd);
        EXPECT_EQ(panel.msgtxt.text(), "Find home was terminated.");
        click(panel.quitcmd);
    });
    click(demo.homecmd);
    EXPECT_THAT(commands(), Contains("kill_motion(4, 1)"));
    EXPECT_THAT(commands(), Contains("kill_motion(4, 2)"));
    EXPECT_THAT(commands(), Not(Contains(HasSubstr("reset_pos"))));
}

TEST_F(XyTableDemoTest, FindIndexRefusesARunningAxisAndKeepsTheTargets)
{
    XyTableDemo& demo = openDemo({kServo4});
    automaticRoutine(demo);
    app().driver().set_pos_mode(kServo4, 1, 0);
    app().driver().load_target_pos(kServo4, 1, 900000);
    app().driver().start_motion(kServo4, 1);
    onModal("frmxyindex", [this](Form& form) {
        auto& panel = static_cast<XyFindIndexPanel&>(form);
        click(panel.contcmd);
        EXPECT_EQ(panel.msgtxt.text(), "Axis #1 is running. Cannot find index.");
        click(panel.quitcmd);
    });
    click(demo.indexcmd);
    EXPECT_EQ(demo.fields().TargetCount, 3);
}

} // namespace
} // namespace tarvik::testing
