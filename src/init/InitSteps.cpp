#include "init/InitSteps.h"

#include "base/NumberText.h"
#include "common/MotionWaits.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/App.h"
#include "program/SettingsMasks.h"

#include <functional>

namespace tarvik {

namespace {

using I16 = std::int16_t;
using Outcome = std::optional<std::string>;

// ---- values out of the record -------------------------------------------------------------

AxisInitValues axisValues(const auto& a)
{
    AxisInitValues v;
    v.stopMode = a.StopMode;
    v.homeReverse = booleanArgument(a.HomeReverse);
    if constexpr (requires { a.EncoderLines; }) {
        v.countsPerRev = a.EncoderLines;
        v.propGain = a.PropGain;
        v.intgGain = a.IntgGain;
        v.derivGain = a.DerivGain;
        v.derivPeriod = a.DerivPeriod;
        v.intgLimit = a.IntgLimit;
        v.findRpm = toInt32Saturated(a.FindRpm);
    } else {
        v.countsPerRev = a.StepsPerRev;
        v.findRpm = a.FindRpm;
    }
    if constexpr (requires { a.LinesPerRev; }) {
        v.linesPerRev = a.LinesPerRev;
        v.loopMode = booleanArgument(a.ClosedLoop);
    }
    if constexpr (requires { a.FollowingError; }) {
        v.followingError = a.FollowingError;
        v.indexReverse = booleanArgument(a.IndexReverse);
        v.refOffset = a.RefOffset;
    }
    return v;
}

// ---- the steps ----------------------------------------------------------------------------

Outcome sent(DriverStatus status)
{
    return status == ZEVA_noError ? Outcome{} : Outcome{StatusText(status)};
}

// One relative move of the test move, watched to its end.
Outcome testMoveLeg(App& app, I16 board, I16 axis, std::int32_t distance, InitWatch* watch)
{
    MotionDriver& driver = app.driver();
    if (Outcome failed = sent(driver.load_target_pos(board, axis, distance))) return failed;
    if (Outcome failed = sent(driver.start_motion(board, axis))) return failed;
    std::function<bool()> between;
    if (watch) between = [watch] { return watch->goOn(); };
    const MoveWaitEnd end = PollMoveDone(app, board, axis, between);
    switch (end.kind) {
    case MoveWaitEnd::Kind::Done: break;
    // A test move the sequence can no longer follow is not left running.
    case MoveWaitEnd::Kind::ReadFailed:
    case MoveWaitEnd::Kind::TimedOut:
        return KillGivenUpMotion(app, board, axis, MoveWaitReport(board, axis, end), "move");
    case MoveWaitEnd::Kind::Stopped: return std::string{};
    }
    I16 word = 0;
    if (Outcome failed = sent(driver.read_axis_stat(board, axis, word))) return failed;
    if (hasBits(word, AxisStatusPositionError))
        return "Following error occurred on axis" + strSigned(axis) + " of board ID" + strSigned(board) +
               " during the test move. The board is not initialized.";
    return {};
}

Outcome testMove(App& app, const BoardInitValues& v, I16 axis)
{
    if (Outcome failed = testMoveLeg(app, v.board, axis, kTestMoveCounts, v.watch)) return failed;
    return testMoveLeg(app, v.board, axis, -kTestMoveCounts, v.watch);
}

enum class Scope { Board, EachAxis };

struct InitStep {
    I16 groups; // the groups the step serves, as board-list mask bits
    Scope scope;
    std::string_view what; // as the start-up's initialisation window shows it
    Outcome (*run)(App& app, const BoardInitValues& v, I16 axis);
};

using V = BoardInitValues;

// Every group's initialisation, in its one order; each group takes the steps that name it.
constexpr InitStep kInitSteps[] = {
    {kMotionGroups, Scope::EachAxis, "kill motion",
     [](App& app, const V& v, I16 a) { return sent(app.driver().kill_motion(v.board, a)); }},
    {kOpenLoopStepperGroups, Scope::EachAxis, "steps per revolution",
     [](App& app, const V& v, I16 a) { return sent(app.driver().store_steps_rev(v.board, a, v.axis(a).countsPerRev)); }},
    {kClosedLoopStepperGroups, Scope::EachAxis, "steps and lines per revolution",
     [](App& app, const V& v, I16 a) {
         // Lines in the high word, steps in the low word.
         const std::int32_t packed = std::int32_t{v.axis(a).linesPerRev} * 65536 + v.axis(a).countsPerRev;
         return sent(app.driver().load_steps_lines(v.board, a, packed));
     }},
    {kServoGroups | kEncoderGroup, Scope::EachAxis, "encoder lines per revolution",
     [](App& app, const V& v, I16 a) { return sent(app.driver().store_elc(v.board, a, v.axis(a).countsPerRev)); }},
    {kEveryGroup, Scope::Board, "limit switch polarity",
     [](App& app, const V& v, I16) { return sent(app.driver().set_lim_pol(v.board, v.limitPolarity)); }},
    {kEveryGroup, Scope::Board, "limit switch enables",
     [](App& app, const V& v, I16) { return sent(app.driver().enable_limits(v.board, v.limitEnable)); }},
    {kClosedLoopCapableGroups, Scope::EachAxis, "following error",
     [](App& app, const V& v, I16 a) { return sent(app.driver().load_fol_err(v.board, a, v.axis(a).followingError)); }},
    {kServoGroups, Scope::EachAxis, "proportional gain",
     [](App& app, const V& v, I16 a) { return sent(app.driver().load_prop_gain(v.board, a, v.axis(a).propGain)); }},
    {kServoGroups, Scope::EachAxis, "integral gain",
     [](App& app, const V& v, I16 a) { return sent(app.driver().load_intg_gain(v.board, a, v.axis(a).intgGain)); }},
    {kServoGroups, Scope::EachAxis, "derivative gain",
     [](App& app, const V& v, I16 a) { return sent(app.driver().load_deriv_gain(v.board, a, v.axis(a).derivGain)); }},
    {kServoGroups, Scope::EachAxis, "derivative sample period",
     [](App& app, const V& v, I16 a) { return sent(app.driver().load_deriv_per(v.board, a, v.axis(a).derivPeriod)); }},
    {kServoGroups, Scope::EachAxis, "integration limit",
     [](App& app, const V& v, I16 a) { return sent(app.driver().load_intg_lim(v.board, a, v.axis(a).intgLimit)); }},
    {kMotionGroups, Scope::EachAxis, "stop mode",
     [](App& app, const V& v, I16 a) { return sent(app.driver().set_stop_mode(v.board, a, v.axis(a).stopMode)); }},
    {kClosedLoopStepperGroups, Scope::EachAxis, "loop mode",
     [](App& app, const V& v, I16 a) { return sent(app.driver().set_loop_mode(v.board, a, v.axis(a).loopMode)); }},
    {kEveryGroup, Scope::Board, "I/O port polarity",
     [](App& app, const V& v, I16) { return sent(app.driver().set_io_pol(v.board, v.ioPolarity)); }},
    {kStepperGroups, Scope::Board, "step output mode",
     [](App& app, const V& v, I16) { return sent(app.driver().set_step_mode_pol(v.board, v.stepMode)); }},
    {kMotionGroups, Scope::EachAxis, "relative position mode",
     [](App& app, const V& v, I16 a) { return sent(app.driver().set_pos_mode(v.board, a, PosModeRelative)); }},
    {kMotionGroups, Scope::EachAxis, "test move", &testMove},
    {kEveryGroup, Scope::EachAxis, "initialized mark",
     [](App& app, const V& v, I16 a) { return sent(app.driver().set_init_stat(v.board, a)); }},
};

// One step for one axis (0: the board), shown to the watch first; an empty text when the watch
// stops the sequence before it.
Outcome runStep(App& app, const BoardInitValues& values, const InitStep& step, I16 axis)
{
    if (values.watch) {
        values.watch->stepBegins(step.what, axis);
        if (!values.watch->goOn()) return std::string{};
    }
    return step.run(app, values, axis);
}

} // namespace

std::optional<BoardInitValues> InitValuesOf(const App& app, std::int16_t boardId)
{
    if (!app.state().boards.isBoard(boardId)) return std::nullopt;
    const int type = app.state().boards.BoardType[static_cast<std::size_t>(boardId)];
    BoardInitValues values;
    values.board = boardId;
    values.group = *groupOf(type);
    values.limitPolarity = BuildLimitPolarityMask(app.state().Settings, type, boardId);
    values.limitEnable = BuildLimitEnableMask(app.state().Settings, type, boardId);
    values.ioPolarity = BuildIoPolarityMask(app.state().Settings, type, boardId);
    values.stepMode = StepModeWordOf(app.state().Settings, type, boardId).value_or(0);
    visitRecord(app.state().Settings, type, boardId, [&](const auto& record) {
        for (const auto& a : record.Axis)
            values.axes[static_cast<std::size_t>(values.axisCount++)] = axisValues(a);
    });
    return values;
}

std::optional<std::string> SendInitSteps(App& app, const BoardInitValues& values)
{
    const I16 groupBit = maskBitOf(values.group);
    for (const InitStep& step : kInitSteps) {
        if ((step.groups & groupBit) == 0) continue;
        if (step.scope == Scope::Board) {
            if (Outcome failed = runStep(app, values, step, 0)) return failed;
            continue;
        }
        for (I16 axis = 1; axis <= values.axisCount; ++axis)
            if (Outcome failed = runStep(app, values, step, axis)) return failed;
    }
    return std::nullopt;
}

} // namespace tarvik
