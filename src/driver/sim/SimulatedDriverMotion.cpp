// Axis commands and read-back of the simulated boards.
#include "driver/sim/SimulatedDriver.h"

#include "driver/BoardRanges.h"
#include "driver/StatusWords.h"
#include "driver/sim/SimUnits.h"

#include <array>
#include <cmath>
#include <cstdlib>

namespace tarvik::sim {

namespace {

using I16 = std::int16_t;
using I32 = std::int32_t;
using I64 = std::int64_t;

constexpr double kRevolutionValueMax = 100000; // RPM and RPS/s

bool isServoUnits(const SimBoard& board) { return !board.kind().stepper(); }

bool within(double value, double low, double high) { return value >= low && value <= high; }

// The axes a multi_start value names: a bit per axis on 4-axis boards, a code on 3-axis boards.
std::vector<int> multiStartAxes(const SimBoard& board, I16 mask)
{
    if (board.kind().threeAxis()) {
        static constexpr std::array<std::array<int, 3>, 4> kCodes{{{1, 2, 0}, {2, 3, 0}, {1, 3, 0}, {1, 2, 3}}};
        if (mask < 1 || mask > 4) return {};
        std::vector<int> axes;
        for (int axis : kCodes[static_cast<std::size_t>(mask - 1)])
            if (axis != 0) axes.push_back(axis);
        return axes;
    }
    if (mask <= 0 || mask >= (1 << board.axisCount())) return {};
    std::vector<int> axes;
    for (int axis = 1; axis <= board.axisCount(); ++axis)
        if ((mask & (1 << (axis - 1))) != 0) axes.push_back(axis);
    return axes;
}

} // namespace

// ---- start and stop ----

DriverStatus SimulatedDriver::start_motion(I16 board, I16 axis)
{
    return onAxis(board, axis, entryPoint("start_motion"), CallKind::Command, [this](SimBoard& b, SimAxis& a, I64 now) {
        return runOrPrestore(b, now, [&a](I64 at) { return a.start(at); });
    });
}

DriverStatus SimulatedDriver::multi_start(I16 board, I16 mask)
{
    return onBoard(board, entryPoint("multi_start"), CallKind::Command, [this, mask](SimBoard& b, I64 now) {
        const std::vector<int> axes = multiStartAxes(b, mask);
        if (axes.empty()) return ZEVA_argumentRangeError;
        // All or none: when a named axis cannot start, none does, and the call gives that
        // axis's status.
        return runOrPrestore(b, now, [&b, axes](I64 at) {
            for (int axis : axes)
                if (const DriverStatus status = b.axis(axis)->checkStart(at)) return status;
            for (int axis : axes)
                b.axis(axis)->start(at);
            return ZEVA_noError;
        });
    });
}

DriverStatus SimulatedDriver::stop_motion(I16 board, I16 axis)
{
    return onAxis(board, axis, entryPoint("stop_motion"), CallKind::Command, [this](SimBoard& b, SimAxis& a, I64 now) {
        return runOrPrestore(b, now, [&a](I64 at) {
            a.stop(at);
            return ZEVA_noError;
        });
    });
}

DriverStatus SimulatedDriver::kill_motion(I16 board, I16 axis)
{
    return onAxis(board, axis, entryPoint("kill_motion"), CallKind::Command, [this](SimBoard& b, SimAxis& a, I64 now) {
        return runOrPrestore(b, now, [&a](I64 at) {
            a.kill(at);
            return ZEVA_noError;
        });
    });
}

DriverStatus SimulatedDriver::reset_pos(I16 board, I16 axis)
{
    return onAxis(board, axis, entryPoint("reset_pos"), CallKind::Command, [](SimBoard&, SimAxis& a, I64 now) {
        a.resetPosition(now);
        return ZEVA_noError;
    });
}

// ---- modes ----

DriverStatus SimulatedDriver::set_stop_mode(I16 board, I16 axis, I16 mode)
{
    return onAxis(board, axis, entryPoint("set_stop_mode"), CallKind::Command, [mode](SimBoard&, SimAxis& a, I64) {
        if (mode < StopModeDecel || mode > StopModeKill) return ZEVA_stopModeError;
        a.setStopMode(mode == StopModeDecel ? StopMode::Decel
                                            : (mode == StopModeHalt ? StopMode::Halt : StopMode::Kill));
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::set_pos_mode(I16 board, I16 axis, I16 mode)
{
    return onAxis(board, axis, entryPoint("set_pos_mode"), CallKind::Command, [mode](SimBoard&, SimAxis& a, I64) {
        if (mode == PosModeAbsolute)
            a.setPositionMode(PositionMode::Absolute);
        else if (mode == PosModeRelative)
            a.setPositionMode(PositionMode::Relative);
        else if (mode == PosModeVelocity)
            a.setPositionMode(PositionMode::Velocity);
        else
            return ZEVA_posModeError;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::set_direction(I16 board, I16 axis, I16 direction)
{
    return onAxis(board, axis, entryPoint("set_direction"), CallKind::Command, [direction](SimBoard&, SimAxis& a, I64) {
        if (direction != DirectionForward && direction != DirectionReverse) return ZEVA_directionError;
        a.setForward(direction == DirectionForward);
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::set_loop_mode(I16 board, I16 axis, I16 mode)
{
    return onAxis(board, axis, entryPoint("set_loop_mode"), CallKind::Command, [mode](SimBoard&, SimAxis& a, I64 now) {
        if (mode != LoopModeOpen && mode != LoopModeClosed) return ZEVA_argumentRangeError;
        a.setLoopClosed(mode == LoopModeClosed, now);
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::set_scale_seq(I16 board, I16 axis, I16 sequence)
{
    return onAxis(board, axis, entryPoint("set_scale_seq"), CallKind::Command, [sequence](SimBoard&, SimAxis& a, I64) {
        if (sequence != 0 && sequence != -1) return ZEVA_argumentRangeError;
        a.registers.scaleSequence = sequence;
        return ZEVA_noError;
    });
}

// ---- trajectory ----

DriverStatus SimulatedDriver::load_target_pos(I16 board, I16 axis, I32 position)
{
    return onAxis(board, axis, entryPoint("load_target_pos"), CallKind::Command,
                  [position](SimBoard&, SimAxis& a, I64) {
                      a.loadTarget(position);
                      return ZEVA_noError;
                  });
}

DriverStatus SimulatedDriver::load_vel(I16 board, I16 axis, I32 velocity)
{
    return onAxis(board, axis, entryPoint("load_vel"), CallKind::Command, [velocity](SimBoard& b, SimAxis& a, I64) {
        if (velocity < 0 || velocity > kRegister24Max) return ZEVA_velocityRangeError;
        a.setMaxVelocity(isServoUnits(b) ? servoVelocityToCountsPerSecond(velocity) : velocity);
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::load_accel(I16 board, I16 axis, I32 acceleration)
{
    return onAxis(board, axis, entryPoint("load_accel"), CallKind::Command,
                  [acceleration](SimBoard& b, SimAxis& a, I64) {
                      const bool servo = isServoUnits(b);
                      if (acceleration < 0 || acceleration > (servo ? kRegister24Max : kAccelerationMax))
                          return ZEVA_accelerationRangeError;
                      a.setAcceleration(servo ? servoAccelerationToCountsPerSecond2(acceleration) : acceleration);
                      return ZEVA_noError;
                  });
}

DriverStatus SimulatedDriver::load_accel_fact(I16 board, I16 axis, I16 factor)
{
    return onAxis(board, axis, entryPoint("load_accel_fact"), CallKind::Command, [factor](SimBoard&, SimAxis& a, I64) {
        if (factor < 1 || factor > 10) return ZEVA_argumentRangeError;
        a.registers.accelFactor = factor;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::set_base_vel(I16 board, I16 axis, I16 velocity)
{
    return onAxis(board, axis, entryPoint("set_base_vel"), CallKind::Command, [velocity](SimBoard&, SimAxis& a, I64) {
        if (velocity < 0 || velocity > 5000) return ZEVA_velocityRangeError;
        a.setBaseVelocity(velocity);
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::load_vel_change(I16 board, I16 axis, I16 change)
{
    return onAxis(board, axis, entryPoint("load_vel_change"), CallKind::Command,
                  [change](SimBoard&, SimAxis& a, I64 now) {
                      if (change < -20000 || change > 20000) return ZEVA_velocityRangeError;
                      return a.changeVelocity(change, now);
                  });
}

DriverStatus SimulatedDriver::load_rpm(I16 board, I16 axis, double rpm)
{
    return onAxis(board, axis, entryPoint("load_rpm"), CallKind::Command, [rpm](SimBoard&, SimAxis& a, I64) {
        if (!within(rpm, 0, kRevolutionValueMax)) return ZEVA_velocityRangeError;
        a.setMaxVelocity(rpm * a.countsPerRevolution() / 60);
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::load_rpsps(I16 board, I16 axis, double rpsps)
{
    return onAxis(board, axis, entryPoint("load_rpsps"), CallKind::Command, [rpsps](SimBoard&, SimAxis& a, I64) {
        if (!within(rpsps, 0, kRevolutionValueMax)) return ZEVA_accelerationRangeError;
        a.setAcceleration(rpsps * a.countsPerRevolution());
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::load_time_brk(I16 board, I16 axis, I32 time)
{
    return onAxis(board, axis, entryPoint("load_time_brk"), CallKind::Command, [time](SimBoard&, SimAxis& a, I64) {
        if (time < 0 || time > 65535) return ZEVA_argumentRangeError;
        a.registers.timeBreakpoint = time;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::in_pos(I16 board, I16 axis, I32 position, I32 deadband, I32& result)
{
    return onAxis(board, axis, entryPoint("in_pos"), CallKind::Read,
                  [&result, position, deadband](SimBoard&, SimAxis& a, I64 now) {
                      const I64 offBy = I64{saturatedLong(a.position(now))} - position;
                      result = std::abs(offBy) <= deadband ? kInPosition : kNotInPosition;
                      return ZEVA_noError;
                  });
}

// ---- read-back ----

DriverStatus SimulatedDriver::read_pos(I16 board, I16 axis, I32& position)
{
    return onAxis(board, axis, entryPoint("read_pos"), CallKind::Read, [&position](SimBoard&, SimAxis& a, I64 now) {
        position = saturatedLong(a.position(now));
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::read_encoder(I16 board, I16 axis, I32& position)
{
    return onAxis(board, axis, entryPoint("read_encoder"), CallKind::Read, [&position](SimBoard&, SimAxis& a, I64 now) {
        position = saturatedLong(a.encoderPosition(now));
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::read_steps_vel(I16 board, I16 axis, I32& stepsPerSecond)
{
    return onAxis(board, axis, entryPoint("read_steps_vel"), CallKind::Read,
                  [&stepsPerSecond](SimBoard&, SimAxis& a, I64 now) {
                      stepsPerSecond = saturatedLong(a.takeScriptedReading().value_or(a.velocity(now)));
                      return ZEVA_noError;
                  });
}

DriverStatus SimulatedDriver::read_vel(I16 board, I16 axis, I16& velocity)
{
    return onAxis(board, axis, entryPoint("read_vel"), CallKind::Read, [&velocity](SimBoard& b, SimAxis& a, I64 now) {
        const double countsPerSecond = a.velocity(now);
        velocity = isServoUnits(b) ? servoReadVelocity(countsPerSecond)
                                   : static_cast<I16>(std::clamp(std::round(countsPerSecond), -32768.0, 32767.0));
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::read_rpm(I16 board, I16 axis, double& rpm)
{
    return onAxis(board, axis, entryPoint("read_rpm"), CallKind::Read, [&rpm](SimBoard& b, SimAxis& a, I64 now) {
        if (const std::optional<double> scripted = a.takeScriptedReading()) {
            rpm = *scripted;
            return ZEVA_noError;
        }
        const double countsPerSecond = isServoUnits(b) ? a.measuredVelocity(now) : a.velocity(now);
        rpm = countsPerSecond * 60 / a.countsPerRevolution();
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::read_axis_stat(I16 board, I16 axis, I16& status)
{
    return onAxis(board, axis, entryPoint("read_axis_stat"), CallKind::Read, [&status](SimBoard& b, SimAxis& a, I64) {
        status = b.axisStatus(a);
        return ZEVA_noError;
    });
}

// ---- servo loop ----

namespace {
// A servo loop value of 0..`high`, kept in the axis register `field`.
template <I16 AxisRegisters::*field>
auto servoValue(I16 value, I16 high)
{
    return [value, high](SimBoard&, SimAxis& a, I64) {
        if (value < 0 || value > high) return ZEVA_argumentRangeError;
        a.registers.*field = value;
        return ZEVA_noError;
    };
}
} // namespace

DriverStatus SimulatedDriver::load_prop_gain(I16 board, I16 axis, I16 gain)
{
    return onAxis(board, axis, entryPoint("load_prop_gain"), CallKind::Command,
                  servoValue<&AxisRegisters::propGain>(gain, 32767));
}

DriverStatus SimulatedDriver::load_intg_gain(I16 board, I16 axis, I16 gain)
{
    return onAxis(board, axis, entryPoint("load_intg_gain"), CallKind::Command,
                  servoValue<&AxisRegisters::intgGain>(gain, 32767));
}

DriverStatus SimulatedDriver::load_deriv_gain(I16 board, I16 axis, I16 gain)
{
    return onAxis(board, axis, entryPoint("load_deriv_gain"), CallKind::Command,
                  servoValue<&AxisRegisters::derivGain>(gain, 32767));
}

DriverStatus SimulatedDriver::load_deriv_per(I16 board, I16 axis, I16 period)
{
    return onAxis(board, axis, entryPoint("load_deriv_per"), CallKind::Command,
                  servoValue<&AxisRegisters::derivPeriod>(period, 255));
}

DriverStatus SimulatedDriver::load_intg_lim(I16 board, I16 axis, I16 limit)
{
    return onAxis(board, axis, entryPoint("load_intg_lim"), CallKind::Command,
                  servoValue<&AxisRegisters::intgLimit>(limit, 32767));
}

DriverStatus SimulatedDriver::load_fol_err(I16 board, I16 axis, I32 counts)
{
    return onAxis(board, axis, entryPoint("load_fol_err"), CallKind::Command,
                  [counts](SimBoard& b, SimAxis& a, I64 now) {
                      const I32 high = b.kind().boardClass == BoardClass::Servo ? 32767 : 65535;
                      if (counts < 1 || counts > high) return ZEVA_argumentRangeError;
                      a.setFollowingErrorLimit(counts, now);
                      return ZEVA_noError;
                  });
}

DriverStatus SimulatedDriver::master_slave_cfg(I16 board, I16 axis, I32 mode)
{
    return onAxis(board, axis, entryPoint("master_slave_cfg"), CallKind::Command, [mode](SimBoard&, SimAxis& a, I64) {
        if (mode != 0 && mode != 255 && mode != -256 && mode != -1) return ZEVA_argumentRangeError;
        a.registers.masterSlaveMode = mode;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::load_pos_ref(I16 board, I16 axis, I32 offset)
{
    return onAxis(board, axis, entryPoint("load_pos_ref"), CallKind::Command, [offset](SimBoard&, SimAxis& a, I64) {
        if (offset < -32768 || offset > 32767) return ZEVA_argumentRangeError;
        a.setReferenceOffset(offset);
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::load_pos_scale(I16 board, I16 axis, I32 scale)
{
    return onAxis(board, axis, entryPoint("load_pos_scale"), CallKind::Command, [scale](SimBoard&, SimAxis& a, I64) {
        const I32 numerator = scale >> 16;
        const I32 denominator = scale & 0xFFFF;
        if (!within(numerator, 1, 32767) || !within(denominator, 1, 32767)) return ZEVA_argumentRangeError;
        a.registers.positionScale = scale;
        return ZEVA_noError;
    });
}

// ---- counts per revolution ----

DriverStatus SimulatedDriver::store_steps_rev(I16 board, I16 axis, I16 steps)
{
    return onAxis(board, axis, entryPoint("store_steps_rev"), CallKind::Command,
                  [steps](SimBoard&, SimAxis& a, I64 now) {
                      if (steps < 1) return ZEVA_argumentRangeError;
                      a.setStepsPerRevolution(steps, now);
                      return ZEVA_noError;
                  });
}

DriverStatus SimulatedDriver::load_steps_lines(I16 board, I16 axis, I32 linesAndSteps)
{
    return onAxis(board, axis, entryPoint("load_steps_lines"), CallKind::Command,
                  [linesAndSteps](SimBoard&, SimAxis& a, I64 now) {
                      const I32 lines = linesAndSteps >> 16;
                      const I32 steps = linesAndSteps & 0xFFFF;
                      if (!within(lines, 1, 16383) || !within(steps, 1, 32767)) return ZEVA_argumentRangeError;
                      a.setStepsAndLines(steps, lines, now);
                      return ZEVA_noError;
                  });
}

DriverStatus SimulatedDriver::store_elc(I16 board, I16 axis, I16 lines)
{
    return onAxis(board, axis, entryPoint("store_elc"), CallKind::Command, [lines](SimBoard&, SimAxis& a, I64 now) {
        if (lines < 1) return ZEVA_argumentRangeError;
        a.setEncoderLines(lines, now);
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::load_rot_counts(I16 board, I16 axis, I32 counts)
{
    return onAxis(board, axis, entryPoint("load_rot_counts"), CallKind::Command, [counts](SimBoard&, SimAxis& a, I64) {
        if (counts < 0 || counts > kRegister24Max) return ZEVA_argumentRangeError;
        a.registers.rotaryCounts = counts;
        return ZEVA_noError;
    });
}

// ---- searches ----

DriverStatus SimulatedDriver::find_home(I16 board, I16 axis, I16 direction)
{
    return onAxis(board, axis, entryPoint("find_home"), CallKind::Command, [direction](SimBoard&, SimAxis& a, I64 now) {
        if (direction != DirectionForward && direction != DirectionReverse) return ZEVA_directionError;
        return a.findHome(now, direction == DirectionForward);
    });
}

DriverStatus SimulatedDriver::find_index(I16 board, I16 axis, I16 direction, I16 offset, I16& found)
{
    return onAxis(board, axis, entryPoint("find_index"), CallKind::Command,
                  [&found, direction, offset](SimBoard&, SimAxis& a, I64 now) {
                      if (direction != DirectionForward && direction != DirectionReverse) return ZEVA_directionError;
                      // The offset goes to the board as the axis's reference offset, as
                      // load_pos_ref sends it, ahead of the search command.
                      a.setReferenceOffset(offset);
                      bool willFind = false;
                      if (const DriverStatus status = a.findIndex(now, direction == DirectionForward, willFind))
                          return status;
                      found = willFind ? 0 : -1;
                      return ZEVA_noError;
                  });
}

} // namespace tarvik::sim
