#pragma once

#include "driver/MotionDriver.h"
#include "driver/sim/BoardKind.h"
#include "driver/sim/MotionProfile.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace tarvik::sim {

// Switch positions of one axis of the simulated machine, in table counts: the position the
// axis reports until its position is first reset. Index pulses come once per revolution, at
// `indexOffset` plus the whole multiples of the counts per revolution.
struct AxisSwitches {
    double reverseLimit = -1'000'000;
    double forwardLimit = 1'000'000;
    double home = 8000;
    bool indexPresent = true;
    double indexOffset = 0;
};

// The home switch reads active this close to its position.
inline constexpr double kHomeSwitchWidth = 10;

// A closed-loop axis trails its profile by the distance it travels in this time. While that
// following error, in encoder counts, exceeds the axis's limit the move ends as a real board
// ends it: motor off and Position Error.
inline constexpr double kFollowingLagSeconds = 0.001;

// Values an axis keeps for the program without acting on them. The servo loop's gains,
// derivative sample period and integration limit are kept only: an axis follows its profile
// with the fixed lag of kFollowingLagSeconds whatever they are. The position scale factor
// (numerator in the high 16 bits, denominator in the low 16) and its sequence are kept only:
// positions are loaded and reported in counts (steps) whatever the factor.
struct AxisRegisters {
    std::int16_t propGain = 0, intgGain = 0, derivGain = 0, derivPeriod = 0, intgLimit = 0;
    std::int32_t masterSlaveMode = 0;
    std::int32_t positionScale = 0x00010001;
    std::int16_t scaleSequence = 0;
    std::int16_t accelFactor = 1;
    std::int32_t timeBreakpoint = 0;
    std::int32_t breakpoint = 0;
    std::int32_t breakModulus = 0;
    std::int16_t breakMode = 0;
    std::int16_t triggerLink = 0;
    std::int32_t rotaryCounts = 0;
    bool initialized = false;
};

enum class PositionMode { Absolute, Relative, Velocity };
// How a move can be made to end at a chosen time (tests and scripts).
enum class StopEvent { FollowingError, LimitSwitch, HomeSwitch };
enum class StopMode { Decel, Halt, Kill };

// One simulated axis. Its state is a function of the clock: call settle(now) before reading or
// commanding it, so that a move that has ended by `now` is brought to its end first.
class SimAxis {
public:
    explicit SimAxis(BoardClass boardClass);

    AxisRegisters registers;

    // Loaded move parameters, in counts (steps on steppers), counts/s and counts/s².
    void loadTarget(std::int32_t target) { target_ = target; }
    void setMaxVelocity(double countsPerSecond) { maxVelocity_ = countsPerSecond; }
    void setAcceleration(double countsPerSecond2) { acceleration_ = countsPerSecond2; }
    void setPositionMode(PositionMode mode) { mode_ = mode; }
    void setForward(bool forward) { velocityForward_ = forward; }
    void setStopMode(StopMode mode) { stopMode_ = mode; }
    // A stepper's start velocity in steps/s (MotionProfile's base speed), from the next start.
    void setBaseVelocity(double stepsPerSecond) { baseVelocity_ = stepsPerSecond; }
    // The following error limit in encoder counts; 0 (power-on) checks nothing. It is checked
    // while the axis's position loop is closed. On a closed-loop stepper a step is 4 × lines /
    // steps per revolution encoder counts. Each of these acts on a running move at once.
    void setFollowingErrorLimit(std::int32_t counts, std::int64_t now);
    void setLoopClosed(bool closed, std::int64_t now);
    // Steps and encoder lines per revolution, both at once or each on its own.
    void setStepsAndLines(int steps, int lines, std::int64_t now);
    void setStepsPerRevolution(int steps, std::int64_t now) { setStepsAndLines(steps, encoderLines_, now); }
    void setEncoderLines(int lines, std::int64_t now) { setStepsAndLines(stepsPerRevolution_, lines, now); }
    // Servo axes always close their position loop, closed-loop stepper axes while set to.
    bool positionLoopClosed() const;
    int countsPerRevolution() const;
    // The position reference offset (0 at power-on): how far from the index pulse, in table
    // counts, an index search ends.
    void setReferenceOffset(std::int32_t counts) { referenceOffset_ = counts; }

    const AxisSwitches& switches() const { return switches_; }
    void changeSwitches(const AxisSwitches& switches, std::int64_t now);
    void setLimitsEnabled(bool reverse, bool forward, std::int64_t now);
    void failNextMove() { failNextMove_ = true; }
    // The move running at clock time `at` ends then, as `event` ends a move: a following error
    // turns the motor off with Position Error, a limit or home switch stops the axis with the
    // profile complete and its switch bit latched. A move that starts later, before `at`, is
    // stopped the same way; once it has fired, or when no move runs at `at`, it is forgotten.
    void stopAt(std::int64_t at, StopEvent event);
    // Velocity readings handed out, one per read_rpm (in RPM) or read_steps_vel (in steps/s), in
    // place of the measured velocity until they run out.
    void scriptReadings(std::vector<double> readings) { scriptedReadings_.assign(readings.begin(), readings.end()); }
    std::optional<double> takeScriptedReading();

    void settle(std::int64_t now);

    // Starts the loaded move, also from a moving state; checkStart only tells whether it would.
    DriverStatus start(std::int64_t now);
    DriverStatus checkStart(std::int64_t now) const;
    DriverStatus findHome(std::int64_t now, bool forward);
    // Searches in the given direction for the next index pulse, stops on it and then moves on to
    // the pulse plus the reference offset. Refused with ZEVA_closedLoopOnlyError while the
    // position loop is open. `found` tells whether the search will reach the pulse; without one
    // it runs one revolution (or into a limit).
    DriverStatus findIndex(std::int64_t now, bool forward, bool& found);
    // Adds `delta` to the loaded velocity; a running move takes the new velocity at once. Refused
    // when the velocity would not stay above 0.
    DriverStatus changeVelocity(double delta, std::int64_t now);
    void stop(std::int64_t now); // in the axis's stop mode
    void halt(std::int64_t now);
    void kill(std::int64_t now);
    void resetPosition(std::int64_t now) { origin_ = tablePosition(now); }
    // Turns an axis that its board never moves (an encoder board's) from outside: from `now` on
    // it counts `countsPerSecond` (0 holds it where it is).
    void turnAt(double countsPerSecond, std::int64_t now);

    double position(std::int64_t now) const { return tablePosition(now) - origin_; }
    double encoderPosition(std::int64_t now) const;
    double velocity(std::int64_t now) const;
    // The velocity as a servo board measures it: the whole counts the encoder moved over the
    // last two sample periods, so it comes in steps of one count per two periods.
    double measuredVelocity(std::int64_t now) const;
    std::int16_t status() const;
    bool running() const { return running_; }
    bool moveDone() const { return !running_ && (profileComplete_ || motorOff_); }
    double tablePosition(std::int64_t now) const;

private:
    enum class GoalKind { Target, Velocity, Brake };
    struct Goal {
        GoalKind kind = GoalKind::Brake;
        double target = 0;         // table counts
        double velocity = 0;       // signed counts/s
        std::uint16_t endBits = 0; // latched when the move completes
        std::optional<double> then; // a target the axis moves on to once this one is reached
    };
    enum class EndKind { Completed, LimitStop, FollowingError, HomeStop };
    struct ScheduledStop {
        std::int64_t at = 0;
        EndKind kind = EndKind::FollowingError;
    };

    DriverStatus checkCanMove(double distance) const;
    DriverStatus startGoal(std::int64_t now, Goal& goal) const;
    void beginMove(std::int64_t now, const Goal& goal);
    void standStill(std::int64_t now); // ends the move where the axis is now
    void plan(std::int64_t now);
    // Goes on from rest to `target` at `at`, when the goal before it was reached; the events
    // that goal latched stay.
    void moveOn(double target, std::int64_t at);
    void replanIfRunning(std::int64_t now)
    {
        if (running_) plan(now);
    }
    // The following error limit that applies now; 0 when none is checked.
    double checkedFollowingErrorLimit() const;
    void computeEnd();
    void finish();
    // The table position at an earlier time `at`: before the present profile began, the axis
    // is taken to have moved at the velocity that profile started with.
    double pastPosition(std::int64_t at) const;
    // The counts the axis has been turned from outside by `at`.
    double turned(std::int64_t at) const
    {
        return turnedBefore_ + turnRate_ * static_cast<double>(at - turnSince_) * 1e-6;
    }
    double elapsed(std::int64_t now) const { return static_cast<double>(now - profileStart_) * 1e-6; }

    BoardClass boardClass_;
    std::int32_t target_ = 0;
    double maxVelocity_;
    double acceleration_;
    PositionMode mode_ = PositionMode::Absolute;
    bool velocityForward_ = true;
    StopMode stopMode_ = StopMode::Decel;
    double baseVelocity_ = 0;
    std::int32_t followingErrorLimit_ = 0;
    bool loopClosed_ = false;
    int encoderLines_;
    int stepsPerRevolution_ = 2000;
    std::int32_t referenceOffset_ = 0;
    AxisSwitches switches_;
    bool reverseLimitEnabled_ = true;
    bool forwardLimitEnabled_ = true;
    bool failNextMove_ = false;

    MotionProfile profile_ = MotionProfile::rest(0);
    std::int64_t profileStart_ = 0;
    Goal goal_;
    bool running_ = false;
    double endAt_ = 0; // seconds after profileStart_
    EndKind endKind_ = EndKind::Completed;
    std::optional<std::int64_t> faultAt_;
    std::optional<ScheduledStop> scheduledStop_;
    bool scheduledStopEnds_ = false; // the present move ends by scheduledStop_
    std::deque<double> scriptedReadings_;
    double origin_ = 0;
    // Turning from outside: the counts turned by turnSince_, and the rate since then.
    double turnedBefore_ = 0;
    double turnRate_ = 0;
    std::int64_t turnSince_ = 0;

    std::uint16_t latched_ = 0; // switch, index and following-error events of the last move
    bool motorOff_ = false;
    bool profileComplete_ = true;
    bool forward_ = true;
};

} // namespace tarvik::sim
