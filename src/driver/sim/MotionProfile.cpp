#include "driver/sim/MotionProfile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace tarvik::sim {

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
// Positions closer than this count as equal: far below one count, far above rounding noise.
constexpr double kPositionTolerance = 1e-6;
// Speeds this close to 0 count as standing (an axis stopping right on a boundary reaches it).
constexpr double kSpeedTolerance = 1e-6;

double sign(double value) { return value > 0 ? 1.0 : (value < 0 ? -1.0 : 0.0); }

// Roots of c + b·t + k·t² in [0, limit], ascending.
std::vector<double> rootsWithin(double c, double b, double k, double limit)
{
    std::vector<double> roots;
    if (std::abs(k) < 1e-15) {
        if (b != 0) roots.push_back(-c / b);
    } else {
        double disc = b * b - 4 * k * c;
        if (disc < 0 && disc > -1e-9 * b * b) disc = 0;
        if (disc >= 0) {
            const double q = -0.5 * (b + (b >= 0 ? 1.0 : -1.0) * std::sqrt(disc));
            roots.push_back(q / k);
            if (q != 0) roots.push_back(c / q);
        }
    }
    std::erase_if(roots, [limit](double r) { return !(r >= 0 && r <= limit); });
    std::sort(roots.begin(), roots.end());
    return roots;
}

} // namespace

MotionProfile MotionProfile::rest(double position) { return MotionProfile(position, 0); }

MotionProfile MotionProfile::toTarget(double position, double velocity, double target, double maxVelocity,
                                      double acceleration, double baseSpeed)
{
    MotionProfile profile(position, velocity);
    if (!(acceleration > 0) || !(maxVelocity > 0)) {
        profile.speed_ = 0; // nothing to move with: the axis stands where it is
        return profile;
    }
    const double base = std::clamp(baseSpeed, 0.0, maxVelocity);
    profile.base_ = base;
    // First brake when heading away from the target or unable to stop before it.
    const double heading = profile.speed_ * sign(target - position);
    const double stopping = std::max(0.0, profile.speed_ * profile.speed_ - base * base) / (2 * acceleration);
    if (heading < 0 || (heading > 0 && stopping > std::abs(target - position) + kPositionTolerance)
        || (profile.speed_ != 0 && target == position))
        profile.changeSpeed(0, acceleration);

    const double distance = std::abs(target - profile.end_);
    const double direction = sign(target - profile.end_);
    if (distance > 0) {
        // Up from the entry speed (the base speed at least) to the peak, down to the base speed.
        const double entry = std::max(std::abs(profile.speed_), base);
        const double peak = std::sqrt(acceleration * distance + (entry * entry + base * base) / 2);
        const double cruiseSpeed = std::min(peak, maxVelocity);
        const double cruiseDistance = distance
                                      - std::abs(cruiseSpeed * cruiseSpeed - entry * entry) / (2 * acceleration)
                                      - (cruiseSpeed * cruiseSpeed - base * base) / (2 * acceleration);
        profile.changeSpeed(direction * cruiseSpeed, acceleration);
        if (cruiseDistance > 0) profile.append(cruiseDistance / cruiseSpeed, 0);
        profile.changeSpeed(0, acceleration);
    }
    profile.end_ = target;
    return profile;
}

MotionProfile MotionProfile::atVelocity(double position, double velocity, double targetVelocity, double acceleration,
                                        double baseSpeed)
{
    MotionProfile profile(position, velocity);
    profile.base_ = std::max(baseSpeed, 0.0);
    if (acceleration > 0)
        profile.changeSpeed(targetVelocity, acceleration);
    else
        profile.speed_ = targetVelocity;
    profile.append(kInfinity, 0);
    return profile;
}

MotionProfile MotionProfile::brake(double position, double velocity, double acceleration, double baseSpeed)
{
    MotionProfile profile(position, velocity);
    profile.base_ = std::max(baseSpeed, 0.0);
    if (acceleration > 0) profile.changeSpeed(0, acceleration);
    profile.speed_ = 0;
    return profile;
}

void MotionProfile::append(double duration, double accel)
{
    phases_.push_back({duration, end_, speed_, accel});
    if (std::isfinite(duration)) {
        end_ += speed_ * duration + accel * duration * duration / 2;
        speed_ += accel * duration;
    }
}

void MotionProfile::accelerateTo(double velocity, double acceleration)
{
    const double change = velocity - speed_;
    if (change != 0) append(std::abs(change) / acceleration, sign(change) * acceleration);
    speed_ = velocity; // exact, whatever the rounding of the phase
}

void MotionProfile::changeSpeed(double velocity, double acceleration)
{
    if (speed_ != 0 && sign(velocity) != sign(speed_)) {
        if (std::abs(speed_) > base_) accelerateTo(sign(speed_) * base_, acceleration);
        speed_ = 0;
    }
    if (velocity != 0 && std::abs(speed_) < base_) speed_ = sign(velocity) * std::min(base_, std::abs(velocity));
    accelerateTo(velocity, acceleration);
}

double MotionProfile::duration() const
{
    double total = 0;
    for (const Phase& phase : phases_)
        total += phase.duration;
    return total;
}

bool MotionProfile::endless() const { return !phases_.empty() && std::isinf(phases_.back().duration); }

double MotionProfile::position(double t) const
{
    if (t >= duration()) return end_;
    for (const Phase& phase : phases_) {
        if (t < phase.duration) return phase.start + phase.speed * t + phase.accel * t * t / 2;
        t -= phase.duration;
    }
    return end_;
}

double MotionProfile::velocity(double t) const
{
    if (t >= duration()) return 0;
    for (const Phase& phase : phases_) {
        if (t < phase.duration) return phase.speed + phase.accel * t;
        t -= phase.duration;
    }
    return 0;
}

std::optional<double> MotionProfile::firstReach(double boundary, int sense) const
{
    double phaseStart = 0;
    for (const Phase& phase : phases_) {
        // f(t) = how far beyond the boundary the axis is, in the direction `sense`.
        const double c = sense * (phase.start - boundary);
        const double b = sense * phase.speed;
        const double k = sense * phase.accel / 2;
        if (c >= -kPositionTolerance && (b > 0 || (b == 0 && k > 0))) return phaseStart;
        for (double root : rootsWithin(c, b, k, phase.duration))
            if (root > 0 && b + 2 * k * root >= -kSpeedTolerance) return phaseStart + root;
        phaseStart += phase.duration;
    }
    return std::nullopt;
}

std::optional<double> MotionProfile::firstFasterThan(double speed) const
{
    double phaseStart = 0;
    for (const Phase& phase : phases_) {
        if (std::abs(phase.speed) > speed + kSpeedTolerance) return phaseStart;
        // The speed leaves the band [-speed, speed] on the side the acceleration points to.
        if (phase.accel != 0 && std::abs(phase.speed + phase.accel * phase.duration) > speed + kSpeedTolerance)
            return phaseStart + std::max(0.0, (sign(phase.accel) * speed - phase.speed) / phase.accel);
        phaseStart += phase.duration;
    }
    return std::nullopt;
}

} // namespace tarvik::sim
