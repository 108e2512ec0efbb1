// Board-level I/O, triggers, breakpoints, Return Data Buffer and board information of the
// simulated boards.
#include "driver/sim/SimulatedDriver.h"

#include "driver/BoardRanges.h"
#include "driver/StatusWords.h"
#include "driver/sim/BoardInfo.h"
#include "driver/sim/RawCommand.h"
#include "driver/sim/SimUnits.h"

#include <algorithm>

namespace tarvik::sim {

namespace {

using I16 = std::int16_t;
using I32 = std::int32_t;
using I64 = std::int64_t;

constexpr I32 kAuxSettableBits = 0x00FFFF00; // ports B and C
constexpr I16 kPortCOutput = 0x10;
constexpr I16 kPortCInput = 0x11;
constexpr I32 kBreakpointHigh = kPositionMax;

// Trigger buffers and triggerable I/O bits: 6 on 3-axis boards, 4 on the others.
int triggerCount(const SimBoard& board) { return board.kind().threeAxis() ? 6 : 4; }

} // namespace

DriverStatus SimulatedDriver::pushPacket(SimBoard& board, I16 axis, I16 command, I32 data)
{
    return board.rdb.push({axis, command, data}) ? ZEVA_noError : ZEVA_returnDataFullError;
}

// ---- I/O port ----

DriverStatus SimulatedDriver::set_io_output(I16 board, I16 ioPort)
{
    return onBoard(board, entryPoint("set_io_output"), CallKind::Command, [this, ioPort](SimBoard& b, I64 now) {
        return runOrPrestore(b, now, [&b, ioPort](I64) {
            b.registers.ioOutputs = static_cast<I16>(ioPort & ((1 << b.ioBitCount()) - 1));
            return ZEVA_noError;
        });
    });
}

DriverStatus SimulatedDriver::read_io_port(I16 board, I16& ioPort)
{
    return onBoard(board, entryPoint("read_io_port"), CallKind::Read, [&ioPort](SimBoard& b, I64) {
        ioPort = b.ioPort();
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::read_lim_stat(I16 board, I16& limitWord)
{
    return onBoard(board, entryPoint("read_lim_stat"), CallKind::Read, [&limitWord](SimBoard& b, I64 now) {
        limitWord = b.limitWord(now);
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::read_csr(I16 board, I16& commStatus)
{
    return onBoard(board, entryPoint("read_csr"), CallKind::Read, [&commStatus](SimBoard& b, I64) {
        commStatus = b.commStatus();
        return ZEVA_noError;
    });
}

// ---- aux digital I/O ----

DriverStatus SimulatedDriver::read_gpio(I16 board, I32& auxIo)
{
    return onBoard(board, entryPoint("read_gpio"), CallKind::Read, [&auxIo](SimBoard& b, I64) {
        auxIo = b.auxWord();
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::set_gpio(I16 board, I32 auxIo)
{
    return onBoard(board, entryPoint("set_gpio"), CallKind::Command, [auxIo](SimBoard& b, I64) {
        if ((auxIo & ~kAuxSettableBits) != 0) return ZEVA_ioPortError;
        b.registers.auxOutputs = auxIo;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::set_portc_dir(I16 board, I16 code)
{
    return onBoard(board, entryPoint("set_portc_dir"), CallKind::Command, [code](SimBoard& b, I64) {
        if (code != kPortCOutput && code != kPortCInput) return ZEVA_argumentRangeError;
        b.registers.portCInput = code == kPortCInput;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::read_adc(I16 board, I16 channel, I16& value)
{
    return onBoard(board, entryPoint("read_adc"), CallKind::Read, [&value, channel](SimBoard& b, I64) {
        if (channel < 1 || channel > static_cast<int>(b.registers.adc.size())) return ZEVA_adcChannelError;
        value = b.registers.adc[static_cast<std::size_t>(channel - 1)];
        return ZEVA_noError;
    });
}

// ---- trigger buffers and trigger inputs ----

DriverStatus SimulatedDriver::begin_prestore(I16 board, I16 trigger)
{
    return onBoard(board, entryPoint("begin_prestore"), CallKind::Command, [trigger](SimBoard& b, I64) {
        if (trigger < 1 || trigger > triggerCount(b)) return ZEVA_argumentRangeError;
        return b.triggers.begin(trigger);
    });
}

DriverStatus SimulatedDriver::end_prestore(I16 board)
{
    return onBoard(board, entryPoint("end_prestore"), CallKind::Command,
                   [](SimBoard& b, I64) { return b.triggers.end(); });
}

DriverStatus SimulatedDriver::trig_buff_delim(I16 board)
{
    return onBoard(board, entryPoint("trig_buff_delim"), CallKind::Command,
                   [](SimBoard& b, I64) { return b.triggers.delimit(); });
}

DriverStatus SimulatedDriver::trigger_io(I16 board, I16 port)
{
    return onBoard(board, entryPoint("trigger_io"), CallKind::Command, [port](SimBoard& b, I64 now) {
        if (port < 1 || port > triggerCount(b)) return ZEVA_ioPortError;
        b.triggers.fire(port, now);
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::enable_io_trig(I16 board, I16 triggerMap)
{
    return onBoard(board, entryPoint("enable_io_trig"), CallKind::Command, [triggerMap](SimBoard& b, I64) {
        if ((triggerMap & ~((1 << triggerCount(b)) - 1)) != 0) return ZEVA_ioPortError;
        b.registers.ioTriggerMap = triggerMap;
        return ZEVA_noError;
    });
}

// ---- breakpoints ----

DriverStatus SimulatedDriver::enable_brk(I16 board, I16 axis, I16 mode)
{
    return onAxis(board, axis, entryPoint("enable_brk"), CallKind::Command, [mode](SimBoard& b, SimAxis& a, I64) {
        if (mode != BreakModeAbsolute && mode != BreakModeRelative) return ZEVA_argumentRangeError;
        // An encoder board's breakpoints are absolute only.
        if (mode == BreakModeRelative && b.kind().boardClass == BoardClass::Encoder) return ZEVA_argumentRangeError;
        a.registers.breakMode = mode;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::load_break_mod(I16 board, I16 axis, I32 modulus)
{
    return onAxis(board, axis, entryPoint("load_break_mod"), CallKind::Command, [modulus](SimBoard&, SimAxis& a, I64) {
        if (modulus < 0 || modulus > kBreakpointHigh) return ZEVA_argumentRangeError;
        a.registers.breakModulus = modulus;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::load_pos_brk(I16 board, I16 axis, I32 position)
{
    return onAxis(board, axis, entryPoint("load_pos_brk"), CallKind::Command, [position](SimBoard&, SimAxis& a, I64) {
        if (position < -kBreakpointHigh - 1 || position > kBreakpointHigh) return ZEVA_argumentRangeError;
        a.registers.breakpoint = position;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::enable_pos_trig(I16 board, I16 axis, I16 link)
{
    return onAxis(board, axis, entryPoint("enable_pos_trig"), CallKind::Command, [link](SimBoard& b, SimAxis& a, I64) {
        if (link < 0 || link > triggerCount(b)) return ZEVA_argumentRangeError;
        a.registers.triggerLink = link;
        return ZEVA_noError;
    });
}

// ---- Return Data Buffer ----

DriverStatus SimulatedDriver::read_pos_rdb(I16 board, I16 axis)
{
    return onAxis(board, axis, entryPoint("read_pos_rdb"), CallKind::Command,
                  [this, axis](SimBoard& b, SimAxis& a, I64 now) {
                      return pushPacket(b, axis, kCommandReadPosition, saturatedLong(a.position(now)));
                  });
}

DriverStatus SimulatedDriver::read_vel_rdb(I16 board, I16 axis)
{
    return onAxis(board, axis, entryPoint("read_vel_rdb"), CallKind::Command,
                  [this, axis](SimBoard& b, SimAxis& a, I64 now) {
                      const double velocity = a.velocity(now);
                      const double word =
                          b.kind().stepper() ? velocity : velocity * kServoSamplePeriod * kServoUnitScale;
                      return pushPacket(b, axis, kCommandReadVelocity, saturatedLong(word));
                  });
}

DriverStatus SimulatedDriver::read_axis_stat_rdb(I16 board, I16 axis)
{
    return onAxis(board, axis, entryPoint("read_axis_stat_rdb"), CallKind::Command,
                  [this, axis](SimBoard& b, SimAxis& a, I64) {
                      return pushPacket(b, axis, kCommandReadAxisStatus, static_cast<std::uint16_t>(b.axisStatus(a)));
                  });
}

DriverStatus SimulatedDriver::read_io_port_rdb(I16 board)
{
    return onBoard(board, entryPoint("read_io_port_rdb"), CallKind::Command, [this](SimBoard& b, I64) {
        return pushPacket(b, 0, kCommandReadIoPort, static_cast<std::uint16_t>(b.ioPort()));
    });
}

DriverStatus SimulatedDriver::read_lim_stat_rdb(I16 board)
{
    return onBoard(board, entryPoint("read_lim_stat_rdb"), CallKind::Command, [this](SimBoard& b, I64 now) {
        return pushPacket(b, 0, kCommandReadLimitStatus, static_cast<std::uint16_t>(b.limitWord(now)));
    });
}

DriverStatus SimulatedDriver::read_encoder_rdb(I16 board, I16 axis)
{
    return onAxis(board, axis, entryPoint("read_encoder_rdb"), CallKind::Command,
                  [this, axis](SimBoard& b, SimAxis& a, I64 now) {
                      return pushPacket(b, axis, kCommandReadEncoder, saturatedLong(a.encoderPosition(now)));
                  });
}

DriverStatus SimulatedDriver::flush_rdb(I16 board)
{
    return onBoard(board, entryPoint("flush_rdb"), CallKind::Command, [](SimBoard& b, I64) {
        b.rdb.clear();
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::read_rdb(I16 board, I16& count, std::span<I16> axes, std::span<I16> commands,
                                       std::span<I32> data)
{
    return onBoard(board, entryPoint("read_rdb"), CallKind::Command, [&](SimBoard& b, I64) {
        const std::size_t room = std::min({axes.size(), commands.size(), data.size()});
        if (count < 0 || count > kRdbCapacity || static_cast<std::size_t>(count) > room)
            return ZEVA_returnDataCountError;
        // An empty buffer is no failure: it hands back no packet, count 0.
        count = static_cast<I16>(b.rdb.pop(count, axes, commands, data));
        return ZEVA_noError;
    });
}

// ---- board name and information ----

DriverStatus SimulatedDriver::get_motion_board_name(I16 board, std::span<char> name, I32& length)
{
    return onBoard(board, entryPoint("get_motion_board_name"), CallKind::Read,
                   [&](SimBoard& b, I64) { return copyBoardName(b.name(), name, length); });
}

DriverStatus SimulatedDriver::get_motion_board_info(I16 board, I16 attribute, I32& value)
{
    return onBoard(board, entryPoint("get_motion_board_info"), CallKind::Read,
                   [&](SimBoard& b, I64) { return boardInfo(b.kind(), attribute, value); });
}

} // namespace tarvik::sim
