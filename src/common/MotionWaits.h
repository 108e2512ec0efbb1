#pragma once

#include "driver/MotionDriver.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarvik {

class App;

// How long the waits that let no events run keep polling before they give up: a stop or a
// short move ends well within a minute; an index search covers at most one revolution, which
// takes a minute at the slowest find velocity (1 RPM).
inline constexpr std::int64_t kMoveDoneTimeoutMicros = 60'000'000;
inline constexpr std::int64_t kIndexSearchTimeoutMicros = 120'000'000;
// Pause between two polls of a waiting loop that lets no events run.
inline constexpr std::int64_t kPollIntervalMicros = 1'000;
// Longest sleep between two polls of a waiting loop that lets events run: the cadence of the
// panels' own status polls. Input, a timer or a scheduled action wakes it sooner, and it polls then.
inline constexpr std::int64_t kEventPollIntervalMicros = 50'000;
// Time given to the board to start an index search before it is first polled.
inline constexpr std::int64_t kIndexSearchSettleMicros = 10'000;
// Register reads that wait for an index search to show up as running before going on anyway.
inline constexpr int kIndexSearchStartPolls = 10'000;

// CheckMoveState results.
inline constexpr std::int16_t MoveEndedClean = 0;
inline constexpr std::int16_t MoveEndedFaulted = -1;
inline constexpr std::int16_t MoveStillRunning = 97;
inline constexpr std::int16_t MoveReadFailed = -2;

// One read of the axis status. Move done: MoveEndedFaulted when a following error, the home
// switch or a limit switch shows, else MoveEndedClean. Still moving: MoveEndedFaulted on a
// following error, else MoveStillRunning. A failing read gives MoveReadFailed and its status in
// `readStatus`.
std::int16_t CheckMoveState(App& app, std::int16_t board, std::int16_t axis, DriverStatus& readStatus);

// How a bounded wait for a move ended: the move done, a failing status read (its status), the
// time bound kMoveDoneTimeoutMicros (ZEVA_boardTimeoutError), or the caller's stop.
struct MoveWaitEnd {
    enum class Kind { Done, ReadFailed, TimedOut, Stopped };
    Kind kind = Kind::Done;
    DriverStatus status = 0;
};

// Polls the axis until its move is done, within kMoveDoneTimeoutMicros. `goOn`, when given, runs
// before every poll (letting events run, say); its false ends the wait as Stopped, as does the
// program's end, an end signal included (read here, since the wait may let no events run).
MoveWaitEnd PollMoveDone(App& app, std::int16_t board, std::int16_t axis, const std::function<bool()>& goOn = {});

// What the user is told of a wait that ended on a failing read or on its time bound, naming the
// board and the axis.
std::string MoveWaitReport(std::int16_t board, std::int16_t axis, const MoveWaitEnd& end);

// Kills the motion of an axis that a wait gave up on, and returns what the user is told of it:
// `reason`, then "\r\nThe move was killed." (`what` names the motion: "move", "search") or,
// when the board refuses the kill, "\r\nThe move could not be killed: " and the refusal's
// status text.
std::string KillGivenUpMotion(App& app, std::int16_t board, std::int16_t axis, const std::string& reason,
                              std::string_view what);

// Polls the axis, letting no events run, until its move is done; 0 then. A failing read, or an
// axis still not done after kMoveDoneTimeoutMicros (ZEVA_boardTimeoutError), ends the wait: the
// axis is killed and one message in the error window names board and axis and says whether the
// move was killed (KillGivenUpMotion); the read's status or the time-out's is returned. The
// program's end (PollMoveDone) ends it too, with the axis killed and nothing said.
DriverStatus WaitMoveDone(App& app, std::int16_t board, std::int16_t axis);

// Lets pending events run, then polls the axis, until its move is done (as PollMoveDone: a failing
// read and the time bound end it too, unreported). Between two polls it sleeps until events
// arrive, at most kEventPollIntervalMicros (Runtime::awaitEvents). It is Stopped as soon as
// `windowClosing` says so after the events have run, or the program is ending.
MoveWaitEnd WaitMoveDoneEvents(App& app, std::int16_t board, std::int16_t axis,
                               const std::function<bool()>& windowClosing);

// Waits, letting no events run, for the end of an index search on a 2/4-axis servo or
// closed-loop stepper board (IsClosedLoop4AType) through its communication status register:
// a settling delay; up to kIndexSearchStartPolls reads until the axis shows running; reads until
// it shows not running and move complete; then one axis status read: `found` := 0 when the index
// was found, -1 when not. An axis outside 1..4 gives ZEVA_badDeviceOrAxisError. A register read
// that fails while the search may still run, or a search not complete after
// kIndexSearchTimeoutMicros, ends the wait: the axis is killed and one message in the error
// window names board and axis and says whether the search was killed (KillGivenUpMotion); a
// failing read returns its status and leaves `found` as it was, the time bound sets `found` to
// -1 (nothing was found) and gives ZEVA_boardTimeoutError. The program's end (an end signal is
// read here too) kills the axis, says nothing, sets `found` to -1 and gives
// kIndexSearchEndedByProgramEnd. The status read after the search's end returns its status alone
// when it fails, `found` as it was.
DriverStatus WaitIndexSearch(App& app, std::int16_t board, std::int16_t axis, std::int16_t& found);
// What WaitIndexSearch gives when the program ends during the search: no status a board gives.
inline constexpr DriverStatus kIndexSearchEndedByProgramEnd = -1;

} // namespace tarvik
