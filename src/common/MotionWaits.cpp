#include "common/MotionWaits.h"

#include "base/NumberText.h"
#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "program/App.h"
#include "shell/Shell.h"

#include <string>
#include <string_view>

namespace tarvik {

namespace {

constexpr std::int16_t kFirstIndexAxis = 1;
constexpr std::int16_t kLastIndexAxis = 4;

std::string seconds(std::int64_t micros) { return strTrimmed(micros / 1'000'000); }

std::string timeoutText(std::int16_t board, std::int16_t axis, const std::string& what, std::int64_t bound)
{
    return "Axis " + strTrimmed(axis) + " of board " + strTrimmed(board) + " did not finish " + what + " within " +
           seconds(bound) + " seconds.";
}

// Polls the axis until its move is done, within kMoveDoneTimeoutMicros. `awaitPoll` runs before
// every poll, handed the time the poll is due (the start for the first, `interval` after the
// previous poll for the others); it pauses until then and gives false to end the wait as Stopped.
MoveWaitEnd pollUntilDone(App& app, std::int16_t board, std::int16_t axis, std::int64_t interval,
                          const std::function<bool(std::int64_t pollDueMicros)>& awaitPoll)
{
    using Kind = MoveWaitEnd::Kind;
    Clock& clock = app.clock();
    const std::int64_t start = clock.nowMicros();
    std::int64_t pollDue = start;
    for (;;) {
        if (!awaitPoll(pollDue)) return {Kind::Stopped};
        std::int16_t status = 0;
        if (const DriverStatus result = app.driver().read_axis_stat(board, axis, status))
            return {Kind::ReadFailed, result};
        if (AxisMoveDone(status)) return {Kind::Done};
        if (clock.nowMicros() - start >= kMoveDoneTimeoutMicros) return {Kind::TimedOut, ZEVA_boardTimeoutError};
        pollDue = clock.nowMicros() + interval;
    }
}

} // namespace

std::int16_t CheckMoveState(App& app, std::int16_t board, std::int16_t axis, DriverStatus& readStatus)
{
    std::int16_t status = 0;
    readStatus = app.driver().read_axis_stat(board, axis, status);
    if (readStatus != ZEVA_noError) return MoveReadFailed;
    if (AxisMoveDone(status)) {
        const bool faulted =
            hasBits(status, AxisStatusPositionError | AxisStatusHomeSwitch | AxisStatusLimitSwitch);
        return faulted ? MoveEndedFaulted : MoveEndedClean;
    }
    return hasBits(status, AxisStatusPositionError) ? MoveEndedFaulted : MoveStillRunning;
}

MoveWaitEnd PollMoveDone(App& app, std::int16_t board, std::int16_t axis, const std::function<bool()>& goOn)
{
    Clock& clock = app.clock();
    Runtime& runtime = app.runtime();
    return pollUntilDone(app, board, axis, kPollIntervalMicros, [&](std::int64_t pollDue) {
        clock.spend(pollDue - clock.nowMicros());
        // An end signal ends the program without waiting for the move.
        if (runtime.endOnSignal()) return false;
        return !goOn || goOn();
    });
}

std::string MoveWaitReport(std::int16_t board, std::int16_t axis, const MoveWaitEnd& end)
{
    const std::string where = "axis " + strTrimmed(axis) + " of board " + strTrimmed(board);
    if (end.kind == MoveWaitEnd::Kind::ReadFailed)
        return "The status of " + where + " could not be read: " + StatusText(end.status);
    return timeoutText(board, axis, "its move", kMoveDoneTimeoutMicros);
}

std::string KillGivenUpMotion(App& app, std::int16_t board, std::int16_t axis, const std::string& reason,
                              std::string_view what)
{
    const DriverStatus status = app.driver().kill_motion(board, axis);
    const std::string outcome =
        status == ZEVA_noError ? " was killed." : " could not be killed: " + StatusText(status);
    return reason + "\r\nThe " + std::string(what) + outcome;
}

DriverStatus WaitMoveDone(App& app, std::int16_t board, std::int16_t axis)
{
    const MoveWaitEnd end = PollMoveDone(app, board, axis);
    // Without a caller's stop the wait ends only done, on a failing read or at its bound.
    if (end.kind != MoveWaitEnd::Kind::Done)
        ShowErrorMessage(app, KillGivenUpMotion(app, board, axis, MoveWaitReport(board, axis, end), "move"));
    return end.status;
}

MoveWaitEnd WaitMoveDoneEvents(App& app, std::int16_t board, std::int16_t axis,
                               const std::function<bool()>& windowClosing)
{
    Runtime& runtime = app.runtime();
    return pollUntilDone(app, board, axis, kEventPollIntervalMicros, [&](std::int64_t pollDue) {
        return runtime.awaitEvents(pollDue) && !(windowClosing && windowClosing());
    });
}

DriverStatus WaitIndexSearch(App& app, std::int16_t board, std::int16_t axis, std::int16_t& found)
{
    if (axis < kFirstIndexAxis || axis > kLastIndexAxis) return ZEVA_badDeviceOrAxisError;
    MotionDriver& driver = app.driver();
    Clock& clock = app.clock();
    const std::uint16_t running = CsrAxisRunning(axis);
    const std::uint16_t complete = CsrAxisMoveComplete(axis);
    std::int16_t commStatus = 0;
    // A search whose end can no longer be seen is killed, with one message.
    const auto giveUp = [&](const std::string& reason, DriverStatus status) {
        ShowErrorMessage(app, KillGivenUpMotion(app, board, axis, reason, "search"));
        return status;
    };
    const auto readFailed = [&](DriverStatus status) {
        return giveUp(MoveWaitReport(board, axis, {MoveWaitEnd::Kind::ReadFailed, status}), status);
    };

    clock.spend(kIndexSearchSettleMicros);
    for (int poll = 0; poll < kIndexSearchStartPolls; ++poll) {
        if (const DriverStatus result = driver.read_csr(board, commStatus)) return readFailed(result);
        if (hasBits(commStatus, running)) break;
    }

    const std::int64_t start = clock.nowMicros();
    for (;;) {
        if (app.runtime().endOnSignal()) {
            // Nobody is left to read a message: the axis is only killed.
            app.driver().kill_motion(board, axis);
            found = -1;
            return kIndexSearchEndedByProgramEnd;
        }
        if (const DriverStatus result = driver.read_csr(board, commStatus)) return readFailed(result);
        if (!hasBits(commStatus, running) && hasBits(commStatus, complete)) break;
        if (clock.nowMicros() - start >= kIndexSearchTimeoutMicros) {
            found = -1;
            return giveUp(timeoutText(board, axis, "its index search", kIndexSearchTimeoutMicros),
                          ZEVA_boardTimeoutError);
        }
        clock.spend(kPollIntervalMicros);
    }

    std::int16_t status = 0;
    if (const DriverStatus result = driver.read_axis_stat(board, axis, status)) return result;
    found = hasBits(status, AxisStatusIndexFound) ? 0 : -1;
    return ZEVA_noError;
}

} // namespace tarvik
