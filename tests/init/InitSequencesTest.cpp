// The initialisation sequences against the simulated boards: each group's calls in their order,
// a failure at any step stopping the sequence with its text in the error window, and what a
// successful initialisation leaves behind.

#include "kit/ProgramTest.h"

#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "init/InitSequences.h"
#include "init/SaveOption.h"
#include "mainwindow/MainMenus.h"
#include "mainwindow/MainWindowForm.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <set>

namespace tarvik::testing {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

// Built-in simulated boards: one of each group.
constexpr std::int16_t kServo3 = 1;
constexpr std::int16_t kOpenLoop3 = 2;
constexpr std::int16_t kClosedLoop3 = 3;
constexpr std::int16_t kServo4 = 4;
constexpr std::int16_t kOpenLoop4 = 5;
constexpr std::int16_t kClosedLoop4 = 6;
constexpr std::int16_t kEncoder = 7;

std::string entryOf(const std::string& call) { return call.substr(0, call.find('(')); }

class InitSequencesTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(start());
        takeCalls();
    }

    // The calls of one initialisation, the test move's status polls left out.
    std::vector<std::string> sequenceCalls()
    {
        std::vector<std::string> calls = takeCalls();
        std::erase_if(calls, [](const std::string& c) { return entryOf(c) == "read_axis_stat"; });
        return calls;
    }

    // The entry points in the order they were first called.
    std::vector<std::string> entryOrder(const std::vector<std::string>& calls)
    {
        std::vector<std::string> order;
        for (const std::string& call : calls)
            if (order.empty() || order.back() != entryOf(call)) order.push_back(entryOf(call));
        return order;
    }

    std::string lastErrorMessage()
    {
        const auto shows = modalShows();
        auto it = std::find_if(shows.rbegin(), shows.rend(), [](const auto& s) { return s.form == "frmerrmsg"; });
        return it == shows.rend() ? std::string{} : it->text;
    }

    std::size_t errorWindows()
    {
        const auto shows = modalShows();
        return static_cast<std::size_t>(
            std::count_if(shows.begin(), shows.end(), [](const auto& s) { return s.form == "frmerrmsg"; }));
    }
};

TEST_F(InitSequencesTest, ClosedLoopStepperSendsItsRecordInTheOneOrder)
{
    ASSERT_TRUE(InitializeBoard(app(), kClosedLoop3));
    // Default record: 2000 steps and 500 lines (500 * 65536 + 2000), every limit and I/O bit
    // inverting and enabled, following error 100, halt, open loop, step/dir with both outputs
    // inverting.
    EXPECT_THAT(sequenceCalls(),
                ElementsAreArray<std::string>({
                    "kill_motion(3, 1)", "kill_motion(3, 2)", "kill_motion(3, 3)",
                    "load_steps_lines(3, 1, 32770000)", "load_steps_lines(3, 2, 32770000)",
                    "load_steps_lines(3, 3, 32770000)", "set_lim_pol(3, 1855)", "enable_limits(3, 1855)",
                    "load_fol_err(3, 1, 100)", "load_fol_err(3, 2, 100)", "load_fol_err(3, 3, 100)",
                    "set_stop_mode(3, 1, 2)", "set_stop_mode(3, 2, 2)", "set_stop_mode(3, 3, 2)",
                    "set_loop_mode(3, 1, 0)", "set_loop_mode(3, 2, 0)", "set_loop_mode(3, 3, 0)",
                    "set_io_pol(3, 16191)", "set_step_mode_pol(3, 7)", "set_pos_mode(3, 1, 255)",
                    "set_pos_mode(3, 2, 255)", "set_pos_mode(3, 3, 255)",
                    "load_target_pos(3, 1, 100)", "start_motion(3, 1)", "load_target_pos(3, 1, -100)",
                    "start_motion(3, 1)", "load_target_pos(3, 2, 100)", "start_motion(3, 2)",
                    "load_target_pos(3, 2, -100)", "start_motion(3, 2)", "load_target_pos(3, 3, 100)",
                    "start_motion(3, 3)", "load_target_pos(3, 3, -100)", "start_motion(3, 3)",
                    "set_init_stat(3, 1)", "set_init_stat(3, 2)", "set_init_stat(3, 3)",
                }));
    EXPECT_EQ(errorWindows(), 0u);
}

TEST_F(InitSequencesTest, EveryGroupTakesItsStepsOfTheOneOrderOnEveryAxis)
{
    const std::vector<std::string> motionHead{"kill_motion"};
    const std::vector<std::string> motionTail{"set_pos_mode", "load_target_pos", "start_motion", "set_init_stat"};
    auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    const std::vector<std::string> servo = join(
        join(motionHead, {"store_elc", "set_lim_pol", "enable_limits", "load_fol_err", "load_prop_gain",
                          "load_intg_gain", "load_deriv_gain", "load_deriv_per", "load_intg_lim", "set_stop_mode",
                          "set_io_pol"}),
        motionTail);
    const std::vector<std::string> openLoop = join(
        join(motionHead,
             {"store_steps_rev", "set_lim_pol", "enable_limits", "set_stop_mode", "set_io_pol", "set_step_mode_pol"}),
        motionTail);
    const std::vector<std::string> closedLoop = join(
        join(motionHead, {"load_steps_lines", "set_lim_pol", "enable_limits", "load_fol_err", "set_stop_mode",
                          "set_loop_mode", "set_io_pol", "set_step_mode_pol"}),
        motionTail);
    const std::vector<std::string> encoder{"store_elc", "set_lim_pol", "enable_limits", "set_io_pol", "set_init_stat"};

    struct Case {
        std::int16_t board;
        const std::vector<std::string>& entries;
        std::size_t axes;
    };
    for (const Case& c : {Case{kServo3, servo, 3}, Case{kOpenLoop3, openLoop, 3}, Case{kClosedLoop3, closedLoop, 3},
                          Case{kServo4, servo, 4}, Case{kOpenLoop4, openLoop, 4}, Case{kClosedLoop4, closedLoop, 4},
                          Case{kEncoder, encoder, 4}}) {
        SCOPED_TRACE("board " + std::to_string(c.board));
        ASSERT_TRUE(InitializeBoard(app(), c.board));
        const std::vector<std::string> calls = sequenceCalls();
        // Each entry's calls stand together, in the one order (the test move alternates its two).
        std::vector<std::string> order;
        for (const std::string& call : calls)
            if (std::find(order.begin(), order.end(), entryOf(call)) == order.end()) order.push_back(entryOf(call));
        EXPECT_THAT(order, ElementsAreArray(c.entries));
        EXPECT_EQ(std::count_if(calls.begin(), calls.end(),
                                [](const std::string& call) { return entryOf(call) == "set_init_stat"; }),
                  static_cast<std::ptrdiff_t>(c.axes));
        EXPECT_EQ(app().state().boards.BoardInitState[static_cast<std::size_t>(c.board)], 1);
    }
    EXPECT_EQ(errorWindows(), 0u);
}

TEST_F(InitSequencesTest, AFailureAtAnyStepStopsTheSequenceWithItsStatusText)
{
    for (std::int16_t board : {kServo3, kOpenLoop3, kClosedLoop3, kServo4, kOpenLoop4, kClosedLoop4, kEncoder}) {
        ASSERT_TRUE(InitializeBoard(app(), board));
        std::vector<std::string> entries;
        for (const std::string& call : takeCalls())
            if (std::find(entries.begin(), entries.end(), entryOf(call)) == entries.end())
                entries.push_back(entryOf(call));

        for (const std::string& entry : entries) {
            SCOPED_TRACE("board " + std::to_string(board) + ", " + entry);
            const std::size_t windowsBefore = errorWindows();
            driver().injectFault(entry, ZEVA_axisRunningError, 1);
            EXPECT_FALSE(InitializeBoard(app(), board));
            driver().clearInjections();
            const std::vector<std::string> calls = takeCalls();
            ASSERT_FALSE(calls.empty());
            EXPECT_EQ(errorWindows(), windowsBefore + 1);
            // The test move's wait gives the move up on a failing status read: it is killed.
            if (entry == "read_axis_stat") {
                EXPECT_EQ(calls.back(), "kill_motion(" + std::to_string(board) + ", 1)");
                EXPECT_EQ(lastErrorMessage(), "The status of axis 1 of board " + std::to_string(board) +
                                                  " could not be read: " + StatusText(ZEVA_axisRunningError) +
                                                  "\r\nThe move was killed.");
            } else {
                EXPECT_EQ(entryOf(calls.back()), entry);
                EXPECT_EQ(lastErrorMessage(), StatusText(ZEVA_axisRunningError));
            }
            EXPECT_EQ(app().state().boards.BoardInitState[static_cast<std::size_t>(board)], -1);
        }
    }
}

TEST_F(InitSequencesTest, AFollowingErrorInTheTestMoveLeavesTheBoardNotInitialized)
{
    app().state().boards.BoardOption[kServo4] = 3;
    OptionOf(app(), BoardGroup::Servo4) = 5;
    ASSERT_TRUE(program().boards().failNextMove(kServo4, 2));
    EXPECT_FALSE(InitializeBoard(app(), kServo4));
    EXPECT_THAT(lastErrorMessage(), HasSubstr("Following error occurred on axis 2 of board ID 4"));
    const std::vector<std::string> calls = sequenceCalls();
    EXPECT_EQ(calls.back(), "start_motion(4, 2)");
    EXPECT_EQ(app().state().boards.BoardInitState[kServo4], -1);
    EXPECT_EQ(app().state().boards.BoardOption[kServo4], 3);
}

TEST_F(InitSequencesTest, ATestMoveThatNeverEndsIsKilledReportedOnceAndEndsTheSequence)
{
    driver().scriptReturns("read_axis_stat", {static_cast<double>(AxisStatusRunning)});
    EXPECT_FALSE(InitializeBoard(app(), kOpenLoop4));
    driver().clearInjections();
    EXPECT_EQ(errorWindows(), 1u);
    EXPECT_EQ(lastErrorMessage(), "Axis 1 of board 5 did not finish its move within 60 seconds.\r\nThe move was killed.");
    EXPECT_EQ(takeCalls().back(), "kill_motion(5, 1)");
    EXPECT_EQ(app().state().boards.BoardInitState[kOpenLoop4], -1);
}

TEST_F(InitSequencesTest, SuccessKeepsOptionAndAxisOneAndTwoValuesForTheDemo)
{
    auto& closed = app().state().Settings.ClosedLoop4SettingsTable[kClosedLoop4];
    closed.Axis[0] = {.StepsPerRev = 400, .FindRpm = 60, .HomeReverse = -1, .LinesPerRev = 250, .IndexReverse = -1,
                      .RefOffset = 12, .ClosedLoop = -1};
    closed.Axis[1] = {.StepsPerRev = 800, .FindRpm = 90, .LinesPerRev = 1000, .RefOffset = -7};
    OptionOf(app(), BoardGroup::ClosedLoop4) = 4;
    OptionOf(app(), BoardGroup::OpenLoop4) = 9;   // another group's option is not taken
    ASSERT_TRUE(InitializeBoard(app(), kClosedLoop4));
    EXPECT_EQ(app().state().boards.BoardInitState[kClosedLoop4], 1);
    EXPECT_EQ(app().state().boards.BoardOption[kClosedLoop4], 4);
    EXPECT_EQ(app().state().xy.XCountsPerRev[kClosedLoop4], 400);
    EXPECT_EQ(app().state().xy.YCountsPerRev[kClosedLoop4], 800);
    EXPECT_EQ(app().state().xy.XFindRpm[kClosedLoop4], 60);
    EXPECT_EQ(app().state().xy.YFindRpm[kClosedLoop4], 90);
    EXPECT_EQ(app().state().xy.XHomeReverse[kClosedLoop4], -1);
    EXPECT_EQ(app().state().xy.YHomeReverse[kClosedLoop4], 0);
    EXPECT_EQ(app().state().xy.XIndexReverse[kClosedLoop4], -1);
    EXPECT_EQ(app().state().xy.XRefOffset[kClosedLoop4], 12);
    EXPECT_EQ(app().state().xy.YRefOffset[kClosedLoop4], -7);
    EXPECT_EQ(app().state().xy.XClosedLoop[kClosedLoop4], -1);
    EXPECT_EQ(app().state().xy.YClosedLoop[kClosedLoop4], 0);
    EXPECT_THAT(sequenceCalls(), ::testing::Contains("set_loop_mode(6, 1, -1)"));

    // Servo boards count encoder lines as the record holds them; the find velocity is rounded.
    auto& servo = app().state().Settings.ServoSettingsTable[kServo3];
    servo.Axis[0].EncoderLines = 1024;
    servo.Axis[0].FindRpm = 250.5;
    servo.Axis[1].FindRpm = 251.5;
    ASSERT_TRUE(InitializeBoard(app(), kServo3));
    EXPECT_EQ(app().state().xy.XCountsPerRev[kServo3], 1024);
    EXPECT_EQ(app().state().xy.XFindRpm[kServo3], 250);
    EXPECT_EQ(app().state().xy.YFindRpm[kServo3], 252);
}

TEST_F(InitSequencesTest, TestAndDemoItemsFollowTheBoardClassOnceItsWindowExists)
{
    auto* main = app().loaded<MainWindowForm>();
    ASSERT_NE(main, nullptr);
    auto enabled = [&](std::string_view item) { return main->menu(item)->enabled(); };
    EXPECT_FALSE(enabled(kTestServoItem));
    EXPECT_FALSE(enabled(kTestStepperItem));
    EXPECT_FALSE(enabled(kXyDemoItem));

    ASSERT_TRUE(InitializeBoard(app(), kEncoder));
    EXPECT_FALSE(enabled(kTestServoItem));
    EXPECT_FALSE(enabled(kTestStepperItem));
    EXPECT_EQ(enabled(kXyDemoItem), main->hasAction(kXyDemoItem));

    ASSERT_TRUE(InitializeBoard(app(), kServo4));
    EXPECT_EQ(enabled(kTestServoItem), main->hasAction(kTestServoItem));
    EXPECT_FALSE(enabled(kTestStepperItem));

    ASSERT_TRUE(InitializeBoard(app(), kOpenLoop3));
    EXPECT_EQ(enabled(kTestStepperItem), main->hasAction(kTestStepperItem));
}

TEST_F(InitSequencesTest, ARecordWithAValueOutOfRangeIsNotSent)
{
    app().state().Settings.OpenLoopSettingsTable[kOpenLoop3].Axis[1].StepsPerRev = 0;
    EXPECT_FALSE(InitializeBoard(app(), kOpenLoop3));
    EXPECT_TRUE(takeCalls().empty());
    EXPECT_THAT(lastErrorMessage(), HasSubstr("axis 2: Steps/Rev is 0, outside 1 to 32767."));
    EXPECT_EQ(app().state().boards.BoardInitState[kOpenLoop3], 0);

    app().state().Settings.ServoSettingsTable[kServo3].Axis[2].StopMode = 4;
    EXPECT_FALSE(InitializeBoard(app(), kServo3));
    EXPECT_THAT(lastErrorMessage(), HasSubstr("axis 3: Stop Mode is 4, outside 1 to 3."));

    // A following error a closed-loop stepper takes is too large for a servo board.
    app().state().Settings.Servo4SettingsTable[kServo4].Axis[0].FollowingError = 40000;
    EXPECT_FALSE(InitializeBoard(app(), kServo4));
    EXPECT_THAT(lastErrorMessage(), HasSubstr("axis 1: Following Error is 40000, outside 1 to 32767."));
    app().state().Settings.ClosedLoop4SettingsTable[kClosedLoop4].Axis[0].FollowingError = 40000;
    EXPECT_TRUE(InitializeBoard(app(), kClosedLoop4));
    takeCalls();

    EXPECT_FALSE(InitializeBoard(app(), 0));
    EXPECT_FALSE(InitializeBoard(app(), 8));
    EXPECT_TRUE(takeCalls().empty());
    EXPECT_THAT(lastErrorMessage(), HasSubstr("There is no board with ID 8"));
}

// Every value without meaning is refused before anything is sent. A Boolean field is set when
// non-zero, whatever the value: it is never refused, and goes to the driver as -1 or 0.
TEST_F(InitSequencesTest, EveryFieldOfTheRecordIsCheckedBeforeAnySend)
{
    SettingsTables& s = app().state().Settings;
    struct Case {
        std::int16_t board;
        std::function<void()> spoil;
        std::string problem;
    };
    const Case cases[] = {
        {kClosedLoop3, [&] { s.ClosedLoopSettingsTable[kClosedLoop3].Axis[0].StopMode = 5; },
         "axis 1: Stop Mode is 5, outside 1 to 3."},
        {kOpenLoop3, [&] { s.OpenLoopSettingsTable[kOpenLoop3].Axis[1].StepsPerRev = 0; },
         "axis 2: Steps/Rev is 0, outside 1 to 32767."},
        {kServo4, [&] { s.Servo4SettingsTable[kServo4].Axis[3].FindRpm = std::numeric_limits<double>::infinity(); },
         "axis 4: Find Velocity is Infinity, outside 1 to 1048576."},
        {kOpenLoop4, [&] { s.OpenLoop4SettingsTable[kOpenLoop4].Axis[0].LimitEnableBits = 8; },
         "axis 1: Limit Enable is 8, outside -1 to 7."},
        {kServo3, [&] { s.ServoSettingsTable[kServo3].Axis[0].DerivPeriod = 0; },
         "axis 1: Derivative Sample Period is 0, outside 1 to 255."},
    };
    for (const Case& c : cases) {
        const SettingsTables sound = s;
        c.spoil();
        EXPECT_FALSE(InitializeBoard(app(), c.board)) << c.problem;
        EXPECT_THAT(lastErrorMessage(), HasSubstr(c.problem));
        EXPECT_TRUE(takeCalls().empty()) << c.problem;
        s = sound;
    }
    EXPECT_EQ(lastErrorMessage(), "Board ID 1 was not initialized. The settings of board ID 1 (option 1 of the file "
                                  "\"Moxel.ser\") hold a value out of range, axis 1: Derivative Sample Period is "
                                  "0, outside 1 to 255. Nothing of them is sent to the board until they are mended "
                                  "in the wizard.");

    s.ClosedLoopSettingsTable[kClosedLoop3].Axis[0].ClosedLoop = 5;
    s.ClosedLoopSettingsTable[kClosedLoop3].Axis[1].ForwardLimitInverted = 1;
    s.ClosedLoopSettingsTable[kClosedLoop3].IoInverted[5] = -2;
    s.ClosedLoopSettingsTable[kClosedLoop3].StepDirMode = 1;
    EXPECT_TRUE(InitializeBoard(app(), kClosedLoop3));
    EXPECT_THAT(takeCalls(), ::testing::Contains("set_loop_mode(3, 1, -1)"));
}

} // namespace
} // namespace tarvik::testing
