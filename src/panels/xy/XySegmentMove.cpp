#include "panels/xy/XySegmentMove.h"

#include "base/NumberText.h"
#include "common/MotionWaits.h"
#include "driver/BoardRanges.h"
#include "driver/BoardTypes.h"
#include "driver/StatusWords.h"
#include "program/App.h"

#include <cmath>

namespace tarvik {

namespace {

// Servo units: velocity in counts per sample period (341 us) x 65536, acceleration in counts
// per sample period squared x 65536.
constexpr double kServoSamplePeriod = 0.000341;
constexpr double kServoFraction = 65536;
// Stepper units: steps per second and steps per second squared.
constexpr std::int32_t kStepperVelocityCap = 0x100000;
// A vertical segment still gives X a crawl and a small acceleration, in inches.
constexpr double kCrawlVelocity = 0.1;
constexpr double kCrawlAccel = 1.0;

constexpr std::int16_t kThreeAxisPairCodes[3][3] = {
    // y = 1, 2, 3 for x = 1, 2, 3; 0: no code
    {0, 1, 3},
    {1, 0, 2},
    {3, 2, 0},
};

} // namespace

std::int32_t CapToLong(double value, std::int32_t cap)
{
    if (value >= cap) return cap;
    return toInt32Saturated(value);
}

std::optional<std::int16_t> StartMaskOf(int typeCode, std::int16_t xAxis, std::int16_t yAxis)
{
    const int axes = axisCountOf(typeCode).value_or(0);
    if (xAxis == yAxis || xAxis < 1 || yAxis < 1 || xAxis > axes || yAxis > axes) return std::nullopt;
    if (axes == 3) return kThreeAxisPairCodes[xAxis - 1][yAxis - 1];
    return static_cast<std::int16_t>((1 << (xAxis - 1)) | (1 << (yAxis - 1)));
}

SegmentLoad PlanSegment(XyTableFields& f, float dx, float dy, float velocity)
{
    const double v = velocity;
    const double a = f.VectorAccel;
    if (dx == 0) {
        f.VelX = kCrawlVelocity;
        f.VelY = v;
        f.AccX = kCrawlAccel;
        f.AccY = a;
    } else {
        f.Slope = static_cast<double>(dy) / dx;
        f.Angle = std::atan(f.Slope);
        f.VelX = std::cos(f.Angle) * v;
        f.VelY = std::sin(f.Angle) * v;
        f.AccX = std::cos(f.Angle) * a;
        f.AccY = std::sin(f.Angle) * a;
    }

    SegmentLoad load;
    const double cpiX = f.CountsPerInchX;
    const double cpiY = f.CountsPerInchY;
    if (IsServoType(f.BoardTypeCode)) {
        f.VelX = cpiX * f.VelX * kServoSamplePeriod * kServoFraction;
        f.VelY = cpiY * f.VelY * kServoSamplePeriod * kServoFraction;
        f.AccX = cpiX * f.AccX * kServoSamplePeriod * kServoSamplePeriod * kServoFraction;
        f.AccY = cpiY * f.AccY * kServoSamplePeriod * kServoSamplePeriod * kServoFraction;
        f.VelXUnits = CapToLong(f.VelX, kRegister24Max);
        load.stopFirstX = f.AccXUnits < 1;
        f.AccXUnits = CapToLong(f.AccX, kRegister24Max);
        f.VelYUnits = CapToLong(f.VelY, kRegister24Max);
        load.stopFirstY = f.AccYUnits < 1;
        f.AccYUnits = CapToLong(f.AccY, kRegister24Max);
    } else {
        f.VelX = cpiX * f.VelX;
        f.VelY = cpiY * f.VelY;
        f.AccX = cpiX * f.AccX;
        f.AccY = cpiY * f.AccY;
        f.VelXUnits = CapToLong(f.VelX, kStepperVelocityCap);
        f.AccXUnits = CapToLong(f.AccX, kAccelerationMax);
        f.VelYUnits = CapToLong(f.VelY, kStepperVelocityCap);
        f.AccYUnits = CapToLong(f.AccY, kAccelerationMax);
    }
    return load;
}

bool MoveSegment(App& app, XyTableFields& f, float dx, float dy, float velocity)
{
    const std::optional<std::int16_t> mask = StartMaskOf(f.BoardTypeCode, f.XAxis, f.YAxis);
    if (!mask) return false;
    const SegmentLoad load = PlanSegment(f, dx, dy, velocity);
    MotionDriver& driver = app.driver();
    const std::int16_t b = f.BoardId;
    driver.set_pos_mode(b, f.XAxis, PosModeAbsolute);
    driver.set_pos_mode(b, f.YAxis, PosModeAbsolute);
    driver.load_target_pos(b, f.XAxis, f.TargetX);
    driver.load_target_pos(b, f.YAxis, f.TargetY);
    driver.load_vel(b, f.XAxis, f.VelXUnits);
    driver.load_vel(b, f.YAxis, f.VelYUnits);
    std::int16_t status = 0;
    driver.read_axis_stat(b, f.XAxis, status);
    f.XProfileDone = hasBits(status, AxisStatusProfileComplete) ? 1 : 0;
    if (f.XProfileDone == 0 && load.stopFirstX) {
        driver.stop_motion(b, f.XAxis);
        WaitMoveDone(app, b, f.XAxis);
    }
    driver.load_accel(b, f.XAxis, f.AccXUnits);
    // Y is stopped first on X's status: both axes ran the same segment.
    if (f.XProfileDone == 0 && load.stopFirstY) {
        driver.stop_motion(b, f.YAxis);
        WaitMoveDone(app, b, f.YAxis);
    }
    driver.load_accel(b, f.YAxis, f.AccYUnits);
    driver.multi_start(b, *mask);
    return true;
}

} // namespace tarvik
