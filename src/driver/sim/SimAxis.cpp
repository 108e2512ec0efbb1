#include "driver/sim/SimAxis.h"

#include "driver/StatusText.h"
#include "driver/StatusWords.h"
#include "driver/sim/SimUnits.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvik::sim {

namespace {

constexpr double kNever = std::numeric_limits<double>::infinity();
// A move that is made to fail does so this long after its start (or halfway, if shorter).
constexpr double kFaultDelaySeconds = 0.010;

bool isServoLike(BoardClass boardClass) { return boardClass == BoardClass::Servo || boardClass == BoardClass::Encoder; }

} // namespace

SimAxis::SimAxis(BoardClass boardClass)
    : boardClass_(boardClass), maxVelocity_(isServoLike(boardClass) ? 4000 : 1000),
      acceleration_(isServoLike(boardClass) ? 40000 : 1000),
      encoderLines_(boardClass == BoardClass::ClosedLoopStepper ? 500 : 1000)
{}

int SimAxis::countsPerRevolution() const { return isServoLike(boardClass_) ? 4 * encoderLines_ : stepsPerRevolution_; }

void SimAxis::changeSwitches(const AxisSwitches& switches, std::int64_t now)
{
    switches_ = switches;
    replanIfRunning(now);
}

void SimAxis::setLimitsEnabled(bool reverse, bool forward, std::int64_t now)
{
    reverseLimitEnabled_ = reverse;
    forwardLimitEnabled_ = forward;
    replanIfRunning(now);
}

void SimAxis::setFollowingErrorLimit(std::int32_t counts, std::int64_t now)
{
    followingErrorLimit_ = counts;
    replanIfRunning(now);
}

void SimAxis::setLoopClosed(bool closed, std::int64_t now)
{
    loopClosed_ = closed;
    replanIfRunning(now);
}

void SimAxis::setStepsAndLines(int steps, int lines, std::int64_t now)
{
    stepsPerRevolution_ = steps;
    encoderLines_ = lines;
    replanIfRunning(now);
}

bool SimAxis::positionLoopClosed() const
{
    return boardClass_ == BoardClass::Servo || (boardClass_ == BoardClass::ClosedLoopStepper && loopClosed_);
}

double SimAxis::checkedFollowingErrorLimit() const
{
    if (!positionLoopClosed()) return 0;
    // The limit is in encoder counts, the profile in steps on a stepper.
    if (boardClass_ == BoardClass::ClosedLoopStepper)
        return followingErrorLimit_ * static_cast<double>(stepsPerRevolution_) / (4.0 * encoderLines_);
    return followingErrorLimit_;
}

void SimAxis::stopAt(std::int64_t at, StopEvent event)
{
    const EndKind kind = event == StopEvent::FollowingError ? EndKind::FollowingError
                         : event == StopEvent::LimitSwitch  ? EndKind::LimitStop
                                                            : EndKind::HomeStop;
    scheduledStop_ = ScheduledStop{at, kind};
    if (running_) computeEnd();
}

std::optional<double> SimAxis::takeScriptedReading()
{
    if (scriptedReadings_.empty()) return std::nullopt;
    const double reading = scriptedReadings_.front();
    scriptedReadings_.pop_front();
    return reading;
}

void SimAxis::settle(std::int64_t now)
{
    while (running_ && elapsed(now) >= endAt_) {
        const std::optional<double> next = endKind_ == EndKind::Completed ? goal_.then : std::nullopt;
        // Whole microseconds, rounded down: the next leg never starts after `now`.
        const std::int64_t reached = profileStart_ + static_cast<std::int64_t>(std::floor(endAt_ * 1e6));
        finish();
        if (next) moveOn(*next, reached);
    }
}

DriverStatus SimAxis::checkCanMove(double distance) const
{
    if (distance != 0 && !(maxVelocity_ > 0)) return ZEVA_velocityRangeError;
    if ((distance != 0 || running_) && !(acceleration_ > 0)) return ZEVA_accelerationRangeError;
    return ZEVA_noError;
}

DriverStatus SimAxis::startGoal(std::int64_t now, Goal& goal) const
{
    const double here = tablePosition(now);
    if (mode_ == PositionMode::Velocity) {
        if (!(acceleration_ > 0)) return ZEVA_accelerationRangeError;
        goal.kind = GoalKind::Velocity;
        goal.velocity = velocityForward_ ? maxVelocity_ : -maxVelocity_;
        return ZEVA_noError;
    }
    goal.kind = GoalKind::Target;
    goal.target = mode_ == PositionMode::Absolute ? target_ + origin_ : here + target_;
    return checkCanMove(goal.target - here);
}

DriverStatus SimAxis::checkStart(std::int64_t now) const
{
    Goal goal;
    return startGoal(now, goal);
}

DriverStatus SimAxis::start(std::int64_t now)
{
    Goal goal;
    if (const DriverStatus status = startGoal(now, goal)) return status;
    const double here = tablePosition(now);
    if (goal.kind == GoalKind::Velocity)
        forward_ = velocityForward_;
    else if (goal.target != here)
        forward_ = goal.target > here;
    beginMove(now, goal);
    return ZEVA_noError;
}

DriverStatus SimAxis::findHome(std::int64_t now, bool forward)
{
    if (running_) return ZEVA_axisRunningError;
    const double here = tablePosition(now);
    Goal goal{GoalKind::Target, 0, 0, AxisStatusHomeSwitch, std::nullopt};
    const bool homeAhead = forward ? switches_.home >= here : switches_.home <= here;
    if (homeAhead) {
        goal.target = switches_.home;
    } else {
        // Searching away from the home switch runs into the limit of that side.
        goal.target = forward ? std::max(here, switches_.forwardLimit) : std::min(here, switches_.reverseLimit);
        goal.endBits = AxisStatusLimitSwitch;
    }
    if (const DriverStatus status = checkCanMove(goal.target - here)) return status;
    forward_ = forward;
    beginMove(now, goal);
    return ZEVA_noError;
}

DriverStatus SimAxis::findIndex(std::int64_t now, bool forward, bool& found)
{
    if (!positionLoopClosed()) return ZEVA_closedLoopOnlyError;
    if (running_) return ZEVA_axisRunningError;
    const double here = tablePosition(now);
    const double revolution = countsPerRevolution();
    const double turns = (here - switches_.indexOffset) / revolution;
    const double nextIndex = switches_.indexOffset
                             + revolution * (forward ? std::floor(turns + 1e-9) + 1 : std::ceil(turns - 1e-9) - 1);
    Goal goal{GoalKind::Target, here + (forward ? revolution : -revolution), 0, 0, std::nullopt};
    if (switches_.indexPresent) {
        // The pulse is sought in the search's direction whatever the offset's sign; the offset
        // is a move of its own from there.
        goal = {GoalKind::Target, nextIndex, 0, AxisStatusIndexFound, std::nullopt};
        if (referenceOffset_ != 0) goal.then = nextIndex + referenceOffset_;
    }
    if (const DriverStatus status = checkCanMove(goal.target - here)) return status;
    forward_ = forward;
    beginMove(now, goal);
    found = switches_.indexPresent && endKind_ == EndKind::Completed;
    return ZEVA_noError;
}

DriverStatus SimAxis::changeVelocity(double delta, std::int64_t now)
{
    if (!(maxVelocity_ + delta > 0)) return ZEVA_velocityRangeError;
    maxVelocity_ += delta;
    if (running_ && goal_.kind == GoalKind::Velocity)
        goal_.velocity = goal_.velocity > 0 ? maxVelocity_ : -maxVelocity_;
    if (goal_.kind != GoalKind::Brake) replanIfRunning(now);
    return ZEVA_noError;
}

void SimAxis::turnAt(double countsPerSecond, std::int64_t now)
{
    turnedBefore_ = turned(now);
    turnSince_ = now;
    turnRate_ = countsPerSecond;
}

void SimAxis::stop(std::int64_t now)
{
    switch (stopMode_) {
    case StopMode::Decel:
        if (!running_) return;
        goal_ = Goal{};
        plan(now);
        return;
    case StopMode::Halt: halt(now); return;
    case StopMode::Kill: kill(now); return;
    }
}

void SimAxis::halt(std::int64_t now)
{
    if (!running_) return;
    standStill(now);
    profileComplete_ = true;
}

void SimAxis::kill(std::int64_t now)
{
    if (running_) {
        standStill(now);
        profileComplete_ = false;
    }
    motorOff_ = true;
}

void SimAxis::standStill(std::int64_t now)
{
    profile_ = MotionProfile::rest(tablePosition(now));
    running_ = false;
    faultAt_.reset();
}

void SimAxis::beginMove(std::int64_t now, const Goal& goal)
{
    latched_ = 0;
    motorOff_ = false;
    profileComplete_ = false;
    goal_ = goal;
    faultAt_.reset();
    plan(now);
    if (failNextMove_) {
        failNextMove_ = false;
        const double delay =
            profile_.endless() ? kFaultDelaySeconds : std::min(kFaultDelaySeconds, profile_.duration() / 2);
        faultAt_ = now + std::llround(delay * 1e6);
        computeEnd();
    }
}

void SimAxis::plan(std::int64_t now)
{
    const double here = tablePosition(now);
    const double speed = velocity(now);
    switch (goal_.kind) {
    case GoalKind::Target:
        profile_ = MotionProfile::toTarget(here, speed, goal_.target, maxVelocity_, acceleration_, baseVelocity_);
        break;
    case GoalKind::Velocity:
        profile_ = MotionProfile::atVelocity(here, speed, goal_.velocity, acceleration_, baseVelocity_);
        break;
    case GoalKind::Brake: profile_ = MotionProfile::brake(here, speed, acceleration_, baseVelocity_); break;
    }
    profileStart_ = now;
    running_ = true;
    computeEnd();
}

void SimAxis::moveOn(double target, std::int64_t at)
{
    const double here = tablePosition(at);
    goal_ = Goal{GoalKind::Target, target, 0, 0, std::nullopt};
    profileComplete_ = false;
    if (target != here) forward_ = target > here;
    plan(at);
}

void SimAxis::computeEnd()
{
    endAt_ = profile_.endless() ? kNever : profile_.duration();
    endKind_ = EndKind::Completed;
    const auto consider = [this](std::optional<double> at, EndKind kind) {
        if (at && *at <= endAt_) {
            endAt_ = *at;
            endKind_ = kind;
        }
    };
    if (reverseLimitEnabled_) consider(profile_.firstReach(switches_.reverseLimit, -1), EndKind::LimitStop);
    if (forwardLimitEnabled_) consider(profile_.firstReach(switches_.forwardLimit, +1), EndKind::LimitStop);
    if (const double limit = checkedFollowingErrorLimit(); limit > 0)
        consider(profile_.firstFasterThan(limit / kFollowingLagSeconds), EndKind::FollowingError);
    if (faultAt_)
        consider(std::max(0.0, static_cast<double>(*faultAt_ - profileStart_) * 1e-6), EndKind::FollowingError);
    scheduledStopEnds_ = false;
    if (scheduledStop_ && scheduledStop_->at < profileStart_) scheduledStop_.reset();
    if (scheduledStop_) {
        const double at = static_cast<double>(scheduledStop_->at - profileStart_) * 1e-6;
        if (at <= endAt_) {
            endAt_ = at;
            endKind_ = scheduledStop_->kind;
            scheduledStopEnds_ = true;
        }
    }
}

void SimAxis::finish()
{
    profile_ = MotionProfile::rest(profile_.position(endAt_));
    running_ = false;
    faultAt_.reset();
    if (scheduledStopEnds_) scheduledStop_.reset();
    scheduledStopEnds_ = false;
    switch (endKind_) {
    case EndKind::Completed:
        profileComplete_ = true;
        latched_ |= goal_.endBits;
        break;
    case EndKind::LimitStop:
        profileComplete_ = true;
        latched_ |= AxisStatusLimitSwitch;
        break;
    case EndKind::FollowingError:
        motorOff_ = true;
        latched_ |= AxisStatusPositionError;
        break;
    case EndKind::HomeStop:
        profileComplete_ = true;
        latched_ |= AxisStatusHomeSwitch;
        break;
    }
}

double SimAxis::tablePosition(std::int64_t now) const
{
    const double driven = running_ ? profile_.position(std::clamp(elapsed(now), 0.0, endAt_)) : profile_.position(0);
    return driven + turned(now);
}

double SimAxis::pastPosition(std::int64_t at) const
{
    return tablePosition(at) + profile_.velocity(0) * std::min(0.0, elapsed(at));
}

double SimAxis::encoderPosition(std::int64_t now) const
{
    const double counts = position(now);
    if (boardClass_ != BoardClass::ClosedLoopStepper) return counts;
    return counts * 4.0 * encoderLines_ / stepsPerRevolution_;
}

double SimAxis::velocity(std::int64_t now) const
{
    return (running_ && elapsed(now) < endAt_ ? profile_.velocity(elapsed(now)) : 0) + turnRate_;
}

double SimAxis::measuredVelocity(std::int64_t now) const
{
    const std::int64_t window = std::llround(2 * kServoSamplePeriod * 1e6);
    // A restart within the window does not cut it short: the look-back carries the speed the
    // axis had when the present profile began.
    const double counts = std::floor(position(now)) - std::floor(pastPosition(now - window) - origin_);
    return counts * 1e6 / static_cast<double>(window);
}

std::int16_t SimAxis::status() const
{
    std::uint16_t word = latched_;
    if (motorOff_) word |= AxisStatusMotorOff;
    if (running_) word |= AxisStatusRunning;
    if (profileComplete_) word |= AxisStatusProfileComplete;
    if (boardClass_ == BoardClass::Servo && mode_ == PositionMode::Velocity) word |= AxisStatusVelocityMode;
    if (forward_) word |= AxisStatusForward;
    return static_cast<std::int16_t>(word);
}

} // namespace tarvik::sim
