#pragma once

#include "driver/StatusText.h"
#include "runtime/FormRuntime.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tarvik {

class App;

// A motion a panel started: some axes of one board, and how the panel's messages name it.
struct WatchedMotion {
    std::int16_t board = -1;
    // Each axis once.
    std::vector<std::int16_t> axes;
    // The error window's name for it: "The home search on axis 1 of board 2 could not be
    // stopped: <status text>".
    std::string name;
    // The outcome line's name for it: "The search was stopped."
    std::string shortName;
};

// The frame of a panel that starts motion and watches it: the find-home and find-index panels,
// the single-axis test panels, the XY-table demo's home and index panels. A panel derives from
// it, says when a motion started and when its run is over, and gets the rules that keep an axis
// from moving on with nobody watching it:
//
// - The axes of a motion are watched from the command that started it to the end of the run
//   that follows it (runEnded).
// - Closing the panel kills the watched axes first and is refused while a kill fails; every
//   failure is reported in the error window, naming the motion, board and axis. At program end
//   the runtime overrides the refusal.
// - A new motion starts only once killWatched() has stopped whatever is still watched: a motion
//   that could not be stopped is not given up for another.
// - A motion the panel can no longer follow (a failing status read, a wait that reached its time
//   limit) is abandoned: its axes are killed, and those whose kill failed stay watched after the
//   run, until a later kill succeeds.
// - A stop the board refused (stopRefused) keeps the axes watched after the run the same way.
// - A run that lets window events run does so through letEventsRun(), which kills the watched
//   axes when the program ends under it.
//
// It is a Form base rather than a part a panel owns because the closing rule lives in
// QueryUnload, which only the form itself can answer; the frame answers it (final), so no panel
// can lose the rule. A panel's own clean-up on closing belongs in Form_Unload, which runs only
// once the closing was allowed.
class WatchedMotionPanel : public Form {
public:
    // True while some axis is watched.
    bool watching() const { return !motion_.axes.empty(); }
    // The motion last started; its axes are those still watched.
    const WatchedMotion& watched() const { return motion_; }

protected:
    WatchedMotionPanel(App& app, std::string name, FormDesign design);

    void Form_QueryUnload(int& cancel, UnloadReason reason) final;

    // The command that started `motion` succeeded: its axes are watched. Called only after
    // killWatched() gave true.
    void motionStarted(WatchedMotion motion);
    // The run that watched the motion is over: its axes are no longer watched, unless it was
    // abandoned and their kill failed.
    void runEnded();
    // Kills every watched axis, each one even when another's kill fails; an axis whose kill
    // fails is reported in the error window and stays watched. True when no axis is left watched
    // (also when none was, without a driver call).
    bool killWatched();
    // The status of the last kill that failed in killWatched(); ZEVA_noError when none has.
    DriverStatus lastKillFailure() const { return lastKillFailure_; }
    // Abandons a motion the panel can no longer follow: kills its axes and returns the text the
    // panel shows, `reason` and the outcome ("\r\nThe search was stopped." or "\r\nThe search
    // could not be stopped.").
    std::string abandonMotion(const std::string& reason);
    // The board refused a stop the user asked for: the watched axes may still be moving, so they
    // stay watched after the run, until a kill succeeds.
    void stopRefused() { unstopped_ = watching(); }
    // Lets window events run during a run. False when the run must end: the program is ending
    // (the watched axes are killed first and watched no more) or the panel was closed (its
    // closing killed them).
    bool letEventsRun();
    // The same after a sleep until input arrives, a timer or scheduled action falls due, or the
    // clock reaches `deadlineMicros` (Runtime::awaitEvents): how a run waits between two polls.
    bool letEventsRunUntil(std::int64_t deadlineMicros);
    // What closing the panel does first: by default the watched axes are killed (killWatched).
    // A panel that stops its axes another way on closing overrides it, and ends with
    // killWatched() for whatever it could not stop. True lets the panel close.
    virtual bool stopWatchedForClosing() { return killWatched(); }

    App& app_;

private:
    // What a run does once events have run: `goOn` is false when the program is ending.
    bool afterEvents(bool goOn);
    void forget();

    WatchedMotion motion_;
    // The motion was abandoned and some kill failed: its axes stay watched after the run.
    bool unstopped_ = false;
    DriverStatus lastKillFailure_ = ZEVA_noError;
};

} // namespace tarvik
