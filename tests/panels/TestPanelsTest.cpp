// The servo and stepper test panels, opened from the Test menu on the built-in simulated boards:
// 1 three-axis servo, 2 three-axis open-loop stepper, 3 three-axis closed-loop stepper, 4 four-axis
// servo, 5 four-axis open-loop stepper, 6 four-axis closed-loop stepper, 7 encoder.

#include "kit/ProgramTest.h"

#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "init/InitSequences.h"
#include "panels/ServoTestPanel.h"
#include "panels/StepperTestPanel.h"
#include "program/App.h"
#include "shell/MainWindowServices.h"

#include <gmock/gmock.h>

namespace tarvik::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsSupersetOf;
using ::testing::Not;

constexpr std::int16_t kServo3 = 1, kOpenLoop3 = 2, kClosedLoop3 = 3, kServo4 = 4, kOpenLoop4 = 5;

class TestPanelsTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        for (std::int16_t board : {kServo3, kServo4, kOpenLoop3, kClosedLoop3}) ASSERT_TRUE(InitializeBoard(app(), board));
        app().state().selection.CurrentBoard = kServo4;
        takeCalls();
    }

    ServoTestPanel& openServo() { return openFromMenu<ServoTestPanel>("testservmu"); }
    StepperTestPanel& openStepper() { return openFromMenu<StepperTestPanel>("teststepmu"); }

    // The commands sent, the polls of the panel's timer left out.
    std::vector<std::string> commands()
    {
        std::vector<std::string> result;
        for (const std::string& call : takeCalls()) {
            const std::string entry = call.substr(0, call.find('('));
            if (entry != "read_pos" && entry != "read_axis_stat" && entry != "read_rpm" && entry != "read_encoder" &&
                entry != "read_steps_vel")
                result.push_back(call);
        }
        return result;
    }
    int count(const std::vector<std::string>& calls, std::string_view entry)
    {
        return static_cast<int>(std::count_if(calls.begin(), calls.end(),
                                              [&](const std::string& c) { return c.starts_with(entry); }));
    }
};

// ---- life cycle, board lists, menus ----

TEST_F(TestPanelsTest, TheServoPanelListsServoBoardsAnInitialisationReachedAndLocksThePrestoreItems)
{
    app().state().boards.BoardInitState[kServo3] = -1; // an initialisation that did not finish still lists the board
    app().state().boards.BoardInitState[kServo4] = 0;  // the preselected board was never initialised
    ServoTestPanel& panel = openServo();
    EXPECT_EQ(panel.left(), 0);
    EXPECT_EQ(panel.top(), 0);
    EXPECT_EQ(panel.bidlist.listCount(), 1);
    EXPECT_EQ(panel.bidlist.list(0), "ID: 1");
    // The row of the current board went: the first remaining row is selected.
    EXPECT_EQ(panel.bidlist.listIndex(), 0);
    EXPECT_EQ(panel.BoardId, kServo3);
    EXPECT_TRUE(app().state().windows.ServoTestOpen);
    auto& menus = *app().menuBar();
    EXPECT_FALSE(menus.menu(kBeginPrestoreItem)->enabled());
    EXPECT_FALSE(menus.menu(kEndPrestoreItem)->enabled());
    EXPECT_TRUE(panel.startcmd.enabled());

    // The stepper panel keeps them locked after the servo panel closes.
    openStepper();
    EXPECT_TRUE(close(panel));
    EXPECT_FALSE(app().state().windows.ServoTestOpen);
    EXPECT_FALSE(menus.menu(kBeginPrestoreItem)->enabled());
    ASSERT_TRUE(close(*app().loaded<StepperTestPanel>()));
    EXPECT_TRUE(menus.menu(kBeginPrestoreItem)->enabled());
    EXPECT_TRUE(menus.menu(kEndPrestoreItem)->enabled());
}

TEST_F(TestPanelsTest, PanelsWithoutABoardCloseThemselves)
{
    app().state().boards.BoardInitState[kServo3] = 0;
    app().state().boards.BoardInitState[kServo4] = 0;
    chooseMenu("testservmu");
    EXPECT_EQ(app().loaded<ServoTestPanel>(), nullptr);
    EXPECT_FALSE(app().state().windows.ServoTestOpen);

    app().state().boards.BoardInitState[kOpenLoop3] = -1; // the stepper panel lists finished initialisations only
    app().state().boards.BoardInitState[kClosedLoop3] = 0;
    chooseMenu("teststepmu");
    EXPECT_EQ(app().loaded<StepperTestPanel>(), nullptr);
    EXPECT_TRUE(app().menuBar()->menu(kBeginPrestoreItem)->enabled());
    EXPECT_TRUE(commands().empty());
}

TEST_F(TestPanelsTest, TheStepperPanelPreselectsTheWizardsBoardAndShowsWhetherItHasAnEncoder)
{
    app().state().wizards.WizardBoard[BoardGroup::OpenLoop3] = kOpenLoop3;
    app().state().wizards.WizardBoard[BoardGroup::ClosedLoop3] = kClosedLoop3;
    StepperTestPanel& panel = openStepper();
    EXPECT_THAT(std::vector<std::string>({panel.bidlist.list(0), panel.bidlist.list(1)}), ElementsAre("ID: 2", "ID: 3"));
    EXPECT_EQ(panel.BoardId, kClosedLoop3); // the later matching row wins
    EXPECT_THAT(commands(), ElementsAre("end_prestore(3)"));
    wait(100);
    EXPECT_EQ(panel.readenclbl.foreColor(), StepperTestPanel::kWindowTextColor);

    select(panel.bidlist, 0);
    EXPECT_EQ(panel.readenclbl.caption(), "0");
    EXPECT_EQ(panel.readenclbl.foreColor(), StepperTestPanel::kNoEncoderColor);
    wait(100);
    EXPECT_EQ(panel.readenclbl.foreColor(), StepperTestPanel::kNoEncoderColor);
    EXPECT_TRUE(errorWindows().empty());
}

TEST_F(TestPanelsTest, AStepperBoardWithFewerAxesChecksTheAxisAgain)
{
    ASSERT_TRUE(InitializeBoard(app(), kOpenLoop4));
    app().state().wizards.WizardBoard[BoardGroup::ClosedLoop3] = -1;
    app().state().wizards.WizardBoard[BoardGroup::OpenLoop3] = -1;
    StepperTestPanel& panel = openStepper();
    ASSERT_EQ(panel.BoardId, kOpenLoop4); // no wizard board: the last row
    retype(panel.axistxt, "4");
    EXPECT_EQ(panel.AxisNumber, 4);
    select(panel.bidlist, 0); // board 2 has three axes
    EXPECT_EQ(panel.axistxt.text(), "3");
    EXPECT_EQ(panel.AxisNumber, 3);
}

// ---- the Start rule ----

TEST_F(TestPanelsTest, StartAsksForTheFieldsOfTheModeAndFollowsAModeSwitchAtOnce)
{
    ServoTestPanel& panel = openServo();
    click(panel.pr); // position modes open the dwell field, which keeps what it is given
    retype(panel.dwelltxt, "\b");
    EXPECT_TRUE(panel.startcmd.enabled()); // single mode does not need the dwell
    click(panel.CycleOn);
    EXPECT_FALSE(panel.startcmd.enabled()); // a cycle without a dwell never starts
    click(panel.CycleOff);
    EXPECT_TRUE(panel.startcmd.enabled());
    retype(panel.rpmtxt, "\b");
    EXPECT_FALSE(panel.startcmd.enabled());
    type(panel.rpmtxt, "200000");
    EXPECT_EQ(panel.rpmtxt.text(), "100000");
    EXPECT_TRUE(panel.startcmd.enabled());
}

// ---- runs ----

TEST_F(TestPanelsTest, AServoRunSendsItsSetUpInOrderAndGivesTheInputsBack)
{
    ServoTestPanel& panel = openServo();
    click(panel.pr);
    click(panel.pa);
    retype(panel.pos1txt, "4000");
    retype(panel.rpmtxt, "150");
    retype(panel.rpspstxt, "50.5");
    commands();
    click(panel.startcmd);
    // Position modes clear both directions: the set-up sends Reverse.
    EXPECT_THAT(commands(),
                ElementsAre("set_pos_mode(4, 1, 0)", "set_direction(4, 1, -1)", "load_rpm(4, 1, 150)",
                            "load_rpsps(4, 1, 50.5)", "load_target_pos(4, 1, 4000)", "start_motion(4, 1)"));
    EXPECT_EQ(panel.RunStopped, 1);
    EXPECT_TRUE(panel.startcmd.enabled());
    EXPECT_TRUE(panel.bidlist.enabled());
    EXPECT_FALSE(panel.pos2txt.enabled());
    EXPECT_NEAR(panel.RpmResolution, 21.9941, 1e-4);
    EXPECT_EQ(panel.GaugeReference, 132);
    wait(100);
    EXPECT_EQ(panel.readposlbl.caption(), "4000");
    EXPECT_EQ(panel.lamp(10).fillColor(), kLampOn);
    EXPECT_EQ(panel.lamp(7).fillColor(), kLampOff);
}

TEST_F(TestPanelsTest, VelocityModeTakesANewSpeedWhileTheAxisRuns)
{
    ServoTestPanel& panel = openServo();
    click(panel.vr);
    EXPECT_FALSE(panel.CycleOn.value());
    EXPECT_FALSE(panel.cycleFrame.enabled());
    EXPECT_TRUE(panel.forward.value());
    retype(panel.rpmtxt, "60");
    commands();
    after(200, [&] {
        EXPECT_TRUE(panel.rpmtxt.enabled());
        EXPECT_FALSE(panel.startcmd.enabled());
        retype(panel.rpmtxt, "120");
        EXPECT_TRUE(panel.startcmd.enabled());
        click(panel.startcmd); // returns only when the axis has stopped, as the outer run does
    });
    after(400, [&] { click(panel.decelcmd); });
    click(panel.startcmd);
    const auto sent = commands();
    EXPECT_THAT(sent, IsSupersetOf({"set_pos_mode(4, 1, -256)", "set_direction(4, 1, 0)", "load_rpm(4, 1, 60)",
                                    "load_rpm(4, 1, 120)", "set_stop_mode(4, 1, 1)", "stop_motion(4, 1)"}));
    EXPECT_EQ(count(sent, "start_motion"), 2);
    EXPECT_THAT(sent, Not(Contains("kill_motion(4, 1)")));
    EXPECT_TRUE(panel.startcmd.enabled());
    EXPECT_FALSE(panel.running());
}

TEST_F(TestPanelsTest, ACyclicRunDwellsBetweenMovesButNotBeforeTheFirst)
{
    ServoTestPanel& panel = openServo();
    click(panel.CycleOn);
    retype(panel.pos1txt, "400");
    retype(panel.pos2txt, "0");
    retype(panel.rpmtxt, "600");
    retype(panel.rpspstxt, "1000");
    retype(panel.dwelltxt, "100");
    commands();
    std::int64_t firstStart = 0;
    after(1, [&] { firstStart = clock().nowMicros(); });
    after(70000, [&] {
        EXPECT_EQ(panel.dwelltimer.interval(), 64000); // the longest dwell the timer takes
        click(panel.killcmd);
    });
    click(panel.startcmd);
    std::vector<std::int64_t> starts;
    for (const CallRecord& call : driver().callsSinceMark())
        if (call.entry == "start_motion") starts.push_back(call.timeMicros);
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_LT(starts[0] - firstStart, 50'000);
    EXPECT_GE(starts[1] - starts[0], 64'000'000);
    EXPECT_EQ(panel.NextTarget, 1); // the next run starts with Position 1 again (two moves went out)
    EXPECT_FALSE(panel.dwelltimer.enabled());
    EXPECT_TRUE(panel.startcmd.enabled());
    EXPECT_TRUE(panel.pos2txt.enabled());
}

TEST_F(TestPanelsTest, AFollowingErrorEndsACycleWithoutAMessageAndLightsItsLamp)
{
    ServoTestPanel& panel = openServo();
    click(panel.CycleOn);
    retype(panel.pos1txt, "100000");
    program().boards().stopAt(kServo4, 1, clock().nowMicros() + 300'000, sim::StopEvent::FollowingError);
    click(panel.startcmd);
    EXPECT_TRUE(errorWindows().empty());
    EXPECT_TRUE(panel.startcmd.enabled());
    wait(100);
    EXPECT_EQ(panel.lamp(5).fillColor(), kLampOn);
    EXPECT_EQ(panel.lamp(2).fillColor(), kLampOn);
}

// ---- stops, closes and Quit inside the waits ----

enum class During { SingleMove, CyclicMove, Dwell };

class TestPanelsRunInterruptionTest : public TestPanelsTest, public ::testing::WithParamInterface<During> {
protected:
    // Starts a run in which the action arrives 300 ms in: during a long single move, a long cyclic
    // move, or the dwell after a short first cyclic move.
    void runWith(ServoTestPanel& panel, std::function<void()> action)
    {
        retype(panel.rpmtxt, "60");
        if (GetParam() != During::SingleMove) click(panel.CycleOn);
        retype(panel.pos1txt, GetParam() == During::Dwell ? "10" : "400000");
        if (GetParam() != During::SingleMove) retype(panel.dwelltxt, "5");
        commands();
        after(300, std::move(action));
        click(panel.startcmd);
    }
};

TEST_P(TestPanelsRunInterruptionTest, DecelEndsTheRunAndGivesTheInputsBack)
{
    ServoTestPanel& panel = openServo();
    runWith(panel, [&] { click(panel.decelcmd); });
    const auto sent = commands();
    EXPECT_THAT(sent, Contains("stop_motion(4, 1)"));
    EXPECT_EQ(count(sent, "start_motion"), 1);
    EXPECT_EQ(panel.RunStopped, 1);
    EXPECT_TRUE(panel.startcmd.enabled());
    EXPECT_TRUE(errorWindows().empty());
}

TEST_P(TestPanelsRunInterruptionTest, ClosingDeceleratesTheAxisAndTheWindowStaysClosed)
{
    ServoTestPanel& panel = openServo();
    runWith(panel, [&] { EXPECT_TRUE(close(panel)); });
    EXPECT_EQ(app().loaded<ServoTestPanel>(), nullptr);
    const auto sent = commands();
    EXPECT_THAT(sent, Contains("set_stop_mode(4, 1, 1)"));
    EXPECT_THAT(sent, Not(Contains("kill_motion(4, 1)")));
    EXPECT_EQ(count(sent, "start_motion"), 1);
    EXPECT_FALSE(app().state().windows.ServoTestOpen);
}

TEST_P(TestPanelsRunInterruptionTest, QuitDuringARunEndsTheProgramOnceTheRunIsOver)
{
    ServoTestPanel& panel = openServo();
    runWith(panel, [&] { chooseMenu("filequitmu"); });
    EXPECT_TRUE(runtime().endRequested());
    EXPECT_THAT(calls(), Contains("stop_motion(4, 1)"));
}

INSTANTIATE_TEST_SUITE_P(Waits, TestPanelsRunInterruptionTest,
                         ::testing::Values(During::SingleMove, During::CyclicMove, During::Dwell));

TEST_F(TestPanelsTest, ACyclicRunSleepsBetweenItsPollsOfTheMove)
{
    ServoTestPanel& panel = openServo();
    click(panel.CycleOn);
    retype(panel.rpmtxt, "60");
    retype(panel.pos1txt, "400000");
    std::int64_t from = 0;
    after(1000, [&] { from = clock().nowMicros(); });
    after(2000, [&] { click(panel.killcmd); });
    click(panel.startcmd);
    // A second of a long move: the panel's 50 ms poll and the run's look at the move, each
    // twenty times, not a look every few milliseconds.
    int reads = 0;
    for (const CallRecord& call : driver().callsSinceMark())
        if (call.entry == "read_axis_stat" && call.timeMicros >= from) ++reads;
    EXPECT_GE(reads, 20);
    EXPECT_LE(reads, 50);
}

TEST_F(TestPanelsTest, ACloseWhoseStopsAllFailKeepsThePanel)
{
    ServoTestPanel& panel = openServo();
    retype(panel.pos1txt, "400000");
    driver().injectFault("stop_motion", ZEVA_boardTimeoutError);
    driver().injectFault("kill_motion", ZEVA_boardTimeoutError, 1);
    after(300, [&] {
        EXPECT_FALSE(close(panel)); // the axis could not be stopped: its buttons stay
        EXPECT_EQ(panel.CloseRequested, 0);
        driver().clearInjections();
        click(panel.killcmd);
    });
    click(panel.startcmd);
    EXPECT_NE(app().loaded<ServoTestPanel>(), nullptr);
    EXPECT_TRUE(panel.startcmd.enabled());
}

TEST_F(TestPanelsTest, DecelSendsTheStopEvenWhenTheModeFailsAndShowsTheFirstFailure)
{
    ServoTestPanel& panel = openServo();
    driver().injectFault("set_stop_mode", ZEVA_stopModeError, 1);
    driver().injectFault("stop_motion", ZEVA_boardTimeoutError, 1);
    commands();
    click(panel.decelcmd);
    EXPECT_THAT(commands(), ElementsAre("set_stop_mode(4, 1, 1)", "stop_motion(4, 1)"));
    EXPECT_THAT(errorWindows(), ElementsAre(StatusText(ZEVA_stopModeError)));
}

// ---- polls ----

TEST_F(TestPanelsTest, AFailingPollShowsOneErrorWindowNotOnePerTick)
{
    ServoTestPanel& panel = openServo();
    driver().injectFault("read_rpm", ZEVA_boardTimeoutError);
    onModal("frmerrmsg", [&](Form& window) {
        wait(500); // ten more ticks fail behind the open window
        click(control<CommandButton>(window, "okcmd"));
    });
    wait(60);
    driver().clearInjections();
    wait(200);
    EXPECT_EQ(errorWindows().size(), 1u);
    EXPECT_TRUE(app().state().errors.PendingErrorMessages.empty());
    EXPECT_NE(panel.readposlbl.caption(), "");
}

TEST_F(TestPanelsTest, TheGaugeFollowsTheBandOnTheFourthPollOutsideIt)
{
    ServoTestPanel& panel = openServo();
    ASSERT_NEAR(panel.RpmResolution, 21.9941, 1e-4); // 1000 lines
    // At load the reference comes from the whole RPM: 100 less 100 mod 22.
    EXPECT_EQ(panel.GaugeReference, 88);
    program().boards().scriptVelocityReadings(kServo4, 1, {80, 80, 80, 80, 80, 80, 80, 80, 80, 80});
    wait(160); // three polls above the band
    EXPECT_EQ(panel.speedGauge.value(), 0);
    EXPECT_EQ(panel.BandUpCount, 3);
    wait(50);
    // Middle = 80 - one resolution step: 58.0059 of 88 is 66%.
    EXPECT_EQ(panel.speedGauge.value(), 66);
    EXPECT_EQ(panel.speedGauge.max(), 100);

    click(panel.haltcmd);
    EXPECT_EQ(panel.RpmHistory[1], 0);
}

TEST_F(TestPanelsTest, AnAxisWithoutEncoderLinesDrivesNoGauge)
{
    app().state().Settings.Servo4SettingsTable[kServo4].Axis[0].EncoderLines = 0;
    ServoTestPanel& panel = openServo();
    EXPECT_EQ(panel.RpmResolution, 0);
    EXPECT_EQ(panel.GaugeReference, 0);
    program().boards().scriptVelocityReadings(kServo4, 1, std::vector<double>(20, 500));
    wait(500);
    EXPECT_EQ(panel.speedGauge.value(), 0);
    EXPECT_TRUE(errorWindows().empty());
}

TEST_F(TestPanelsTest, TheStepperPanelAcceptsAnOpenLoopBoardsRefusalAndAveragesTheStepRate)
{
    app().state().wizards.WizardBoard[BoardGroup::OpenLoop3] = kOpenLoop3;
    app().state().wizards.WizardBoard[BoardGroup::ClosedLoop3] = -1;
    StepperTestPanel& panel = openStepper();
    click(panel.lmc);
    retype(panel.postxt1, "50");
    retype(panel.stepssectxt, "2000");
    retype(panel.acceltxt, "4000");
    retype(panel.accelftxt, "3");
    commands();
    click(panel.startcmd);
    EXPECT_THAT(commands(), ElementsAre("set_loop_mode(2, 1, -1)", "set_pos_mode(2, 1, 0)", "load_vel(2, 1, 2000)",
                                        "load_accel(2, 1, 4000)", "load_accel_fact(2, 1, 3)",
                                        "load_target_pos(2, 1, 50)", "start_motion(2, 1)"));
    EXPECT_TRUE(errorWindows().empty());
    EXPECT_TRUE(panel.resetcmd.enabled());

    program().boards().scriptVelocityReadings(kOpenLoop3, 1, {1000, 1001});
    wait(50);
    EXPECT_EQ(panel.lblstepssec.caption(), "1000.5");
    wait(50);
    EXPECT_EQ(panel.lblstepssec.caption(), "0.0");
}

} // namespace
} // namespace tarvik::testing
