#pragma once

#include <optional>
#include <vector>

namespace tarvik::sim {

// The path of one axis over time: a chain of constant-acceleration phases starting at time 0
// (seconds since the profile began), in counts, counts/s and counts/s². After the last finite
// phase the axis rests; a velocity move ends in a phase of endless constant velocity.
//
// `baseSpeed` is a stepper's start velocity: speeds up to it are entered from a standstill and
// left to one at once, so a move jumps to it, ramps from there, ramps down to it and stops. A
// position move never starts faster than its `maxVelocity`. 0 ramps all the way (servo axes).
class MotionProfile {
public:
    // Standing still at `position`.
    static MotionProfile rest(double position);
    // From `position` moving at `velocity` to a stop at `target`, never faster than `maxVelocity`,
    // changing speed at `acceleration`. A start from a moving state first brakes when the axis
    // moves the wrong way or cannot stop before the target.
    static MotionProfile toTarget(double position, double velocity, double target, double maxVelocity,
                                  double acceleration, double baseSpeed);
    // From `position` moving at `velocity` to a constant signed `targetVelocity`, kept forever.
    static MotionProfile atVelocity(double position, double velocity, double targetVelocity, double acceleration,
                                    double baseSpeed);
    // From `position` moving at `velocity` to a stop at `acceleration`.
    static MotionProfile brake(double position, double velocity, double acceleration, double baseSpeed);

    // Seconds until the axis comes to rest; infinite for a velocity move.
    double duration() const;
    bool endless() const;
    double position(double t) const;
    double velocity(double t) const;
    // The first time at or after 0 at which the axis is at or beyond `boundary` in the direction
    // `sense` (+1 forward, -1 reverse) while still heading further that way; none if it never is.
    std::optional<double> firstReach(double boundary, int sense) const;
    // The first time at or after 0 at which the axis moves faster than `speed` either way; none
    // if it never does.
    std::optional<double> firstFasterThan(double speed) const;

private:
    struct Phase {
        double duration; // seconds, may be infinite for the last phase
        double start;    // position at the phase's start
        double speed;    // velocity at the phase's start
        double accel;
    };

    MotionProfile(double position, double velocity) : end_(position), speed_(velocity) {}
    void append(double duration, double accel);
    void accelerateTo(double velocity, double acceleration);
    // accelerateTo, crossing the base speed at once on the way into and out of a standstill.
    void changeSpeed(double velocity, double acceleration);

    std::vector<Phase> phases_;
    double end_;   // position where the last finite phase ends
    double speed_; // velocity there
    double base_ = 0;
};

} // namespace tarvik::sim
