// A stand-in for a board maker's driver library, for the tests: it exports every entry point as
// a C function and answers them with simulated boards on real time, as boards answer. Its boards
// are those of the board configuration file in the working directory (or the built-in set),
// read afresh by each get_bd_config, the first call a program makes.
//
// Built eleven times: as a sound library; with TARVIK_FAKE_DRIVER_PARTIAL, without read_rdb and
// send_command; with TARVIK_FAKE_DRIVER_LIES, handing back a packet count beyond every array
// from read_rdb and a board name that runs past its buffer without a terminator (board 2's
// name comes back shorter than its length said); with
// TARVIK_FAKE_DRIVER_STUCK, whose axes never report a move done; with TARVIK_FAKE_DRIVER_DATA,
// exporting every entry point as a 16-bit variable instead of a function; with
// TARVIK_FAKE_DRIVER_ABSOLUTE or TARVIK_FAKE_DRIVER_MISPLACED, whose get_bd_config is typed as a
// function but is a fixed address it does not hold or lies among its data (the latter once more
// with that symbol then marked undefined in its dynamic symbol table, its value kept); with
// TARVIK_FAKE_DRIVER_INDIRECT_DATA or TARVIK_FAKE_DRIVER_INDIRECT_FIXED, whose get_bd_config is an
// indirect function that resolves to an address among its data or to a fixed one; with
// TARVIK_FAKE_DRIVER_UNRESOLVED, whose enable_limits is an indirect function that resolves to none.

#include "base/Clock.h"
#include "driver/StatusWords.h"
#include "driver/sim/SimulatedDriver.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

#include <unistd.h>

#define TARVIK_EXPORT extern "C" __attribute__((visibility("default")))

#ifdef TARVIK_FAKE_DRIVER_DATA
#include "driver/EntryPointList.h"

#define TARVIK_EXPORT_DATA(name, parameters, arguments) \
    extern "C" { \
    __attribute__((visibility("default"))) std::int16_t name = 0; \
    }
TARVIK_ENTRY_POINTS(TARVIK_EXPORT_DATA, TARVIK_EXPORT_DATA)
#else

namespace {

using I16 = std::int16_t;
using I32 = std::int32_t;
using tarvik::kBoardConfigEntries;
using tarvik::kRdbCapacity;

std::unique_ptr<tarvik::SimulatedDriver>& simulated()
{
    static std::unique_ptr<tarvik::SimulatedDriver> boards;
    return boards;
}

// Appends a line to the file TARVIK_FAKE_DRIVER_LOG names, when it names one: how a run of the
// real program shows what it asked of its boards.
void appendToLog(const std::string& line)
{
    if (const char* path = std::getenv("TARVIK_FAKE_DRIVER_LOG"))
        if (std::FILE* log = std::fopen(path, "a")) {
            std::fprintf(log, "%s\n", line.c_str());
            std::fclose(log);
        }
}

// The commands that start and stop motion are logged, one line each ("kill_motion(1, 2) = 0"):
// which axes a program left moving.
I16 logged(const char* entry, I16 board, I16 axisOrMask, I16 status)
{
    appendToLog(std::string(entry) + "(" + std::to_string(board) + ", " + std::to_string(axisOrMask) +
                ") = " + std::to_string(status));
    return status;
}

// With TARVIK_FAKE_DRIVER_BLOCK set to ENTRY:N, the Nth call of that entry point never returns
// (a library stuck in the hardware), once it has logged "ENTRY blocks".
void blockWhenAsked(const char* entry)
{
    static const char* const asked = std::getenv("TARVIK_FAKE_DRIVER_BLOCK");
    static int calls = 0;
    if (asked == nullptr) return;
    const std::string_view named(asked);
    const std::size_t colon = named.rfind(':');
    if (colon == std::string_view::npos || named.substr(0, colon) != entry) return;
    if (std::to_string(++calls) != named.substr(colon + 1)) return;
    appendToLog(std::string(entry) + " blocks");
    for (;;) ::pause();
}

// The boards every entry point answers with; `entry` is the caller's name.
tarvik::SimulatedDriver& sim(const char* entry = __builtin_FUNCTION())
{
    blockWhenAsked(entry);
    static tarvik::RealClock clock;
    if (!simulated()) simulated() = std::make_unique<tarvik::SimulatedDriver>(clock);
    return *simulated();
}

} // namespace

#if defined(TARVIK_FAKE_DRIVER_ABSOLUTE)
asm(".globl get_bd_config\n.type get_bd_config, %function\n.set get_bd_config, 0x1234\n");
#elif defined(TARVIK_FAKE_DRIVER_MISPLACED)
asm(".pushsection .data\n.globl get_bd_config\n.type get_bd_config, %function\nget_bd_config:\n.long 0\n"
    ".popsection\n");
#elif defined(TARVIK_FAKE_DRIVER_INDIRECT_DATA)
static I16 boardTable[kBoardConfigEntries] = {1};
extern "C" I16 (*resolveBoardConfig())(I16*, I16*) { return reinterpret_cast<I16 (*)(I16*, I16*)>(boardTable); }
TARVIK_EXPORT I16 get_bd_config(I16*, I16*) __attribute__((ifunc("resolveBoardConfig")));
#elif defined(TARVIK_FAKE_DRIVER_INDIRECT_FIXED)
extern "C" I16 (*resolveBoardConfig())(I16*, I16*)
{
    return reinterpret_cast<I16 (*)(I16*, I16*)>(std::uintptr_t{0x1234});
}
TARVIK_EXPORT I16 get_bd_config(I16*, I16*) __attribute__((ifunc("resolveBoardConfig")));
#else
TARVIK_EXPORT I16 get_bd_config(I16* typeCodes, I16* ioAddresses)
{
    simulated().reset();
    return sim().get_bd_config({typeCodes, kBoardConfigEntries}, {ioAddresses, kBoardConfigEntries});
}
#endif

#ifndef TARVIK_FAKE_DRIVER_LIES
TARVIK_EXPORT I16 get_motion_board_name(I16 board, char* name, I32* length)
{
    const auto size = name == nullptr ? 0 : static_cast<std::size_t>(std::max<I32>(*length, 0));
    return sim().get_motion_board_name(board, {name, size}, *length);
}
#else
TARVIK_EXPORT I16 get_motion_board_name(I16 board, char* name, I32* length)
{
    // Board 2: a name of 8 bytes whose second answer says 7, cutting its last character in two.
    if (board == 2) {
        static constexpr char kName[] = "Achse \xC3\x96";
        constexpr I32 kLength = sizeof kName - 1;
        if (name != nullptr) std::copy_n(kName, std::min(*length, kLength), name);
        *length = name == nullptr ? kLength : kLength - 1;
        return 0;
    }
    if (name == nullptr) {
        *length = -3;
        return 0;
    }
    std::fill_n(name, *length + 1, 'X');
    return 0;
}
#endif

#ifndef TARVIK_FAKE_DRIVER_PARTIAL
#ifndef TARVIK_FAKE_DRIVER_LIES
TARVIK_EXPORT I16 read_rdb(I16 board, I16* count, I16* axes, I16* commands, I32* data)
{
    return sim().read_rdb(board, *count, {axes, kRdbCapacity}, {commands, kRdbCapacity}, {data, kRdbCapacity});
}
#else
TARVIK_EXPORT I16 read_rdb(I16, I16* count, I16*, I16*, I32*)
{
    *count = kRdbCapacity + 1;
    return 0;
}
#endif

TARVIK_EXPORT I16 send_command(I16 board, I16 axis, I16 command, I16 wordCount, I32 data)
{
    return sim().send_command(board, axis, command, wordCount, data);
}
#endif

TARVIK_EXPORT I16 set_init_stat(I16 board, I16 axis) { return sim().set_init_stat(board, axis); }
TARVIK_EXPORT I16 set_lim_pol(I16 board, I16 mask) { return sim().set_lim_pol(board, mask); }
#ifdef TARVIK_FAKE_DRIVER_UNRESOLVED
extern "C" I16 (*resolveEnableLimits())(I16, I16) { return nullptr; }
TARVIK_EXPORT I16 enable_limits(I16 board, I16 mask) __attribute__((ifunc("resolveEnableLimits")));
#else
TARVIK_EXPORT I16 enable_limits(I16 board, I16 mask) { return sim().enable_limits(board, mask); }
#endif
TARVIK_EXPORT I16 set_io_pol(I16 board, I16 mask) { return sim().set_io_pol(board, mask); }
TARVIK_EXPORT I16 set_step_mode_pol(I16 board, I16 word) { return sim().set_step_mode_pol(board, word); }
TARVIK_EXPORT I16 start_motion(I16 board, I16 axis)
{
    return logged("start_motion", board, axis, sim().start_motion(board, axis));
}
TARVIK_EXPORT I16 multi_start(I16 board, I16 mask)
{
    return logged("multi_start", board, mask, sim().multi_start(board, mask));
}
TARVIK_EXPORT I16 stop_motion(I16 board, I16 axis)
{
    return logged("stop_motion", board, axis, sim().stop_motion(board, axis));
}
TARVIK_EXPORT I16 kill_motion(I16 board, I16 axis)
{
    return logged("kill_motion", board, axis, sim().kill_motion(board, axis));
}
TARVIK_EXPORT I16 reset_pos(I16 board, I16 axis) { return sim().reset_pos(board, axis); }
TARVIK_EXPORT I16 set_stop_mode(I16 board, I16 axis, I16 mode) { return sim().set_stop_mode(board, axis, mode); }
TARVIK_EXPORT I16 set_pos_mode(I16 board, I16 axis, I16 mode) { return sim().set_pos_mode(board, axis, mode); }
TARVIK_EXPORT I16 set_direction(I16 board, I16 axis, I16 direction)
{
    return sim().set_direction(board, axis, direction);
}
TARVIK_EXPORT I16 set_loop_mode(I16 board, I16 axis, I16 mode) { return sim().set_loop_mode(board, axis, mode); }
TARVIK_EXPORT I16 set_scale_seq(I16 board, I16 axis, I16 sequence)
{
    return sim().set_scale_seq(board, axis, sequence);
}
TARVIK_EXPORT I16 load_target_pos(I16 board, I16 axis, I32 position)
{
    return sim().load_target_pos(board, axis, position);
}
TARVIK_EXPORT I16 load_vel(I16 board, I16 axis, I32 velocity) { return sim().load_vel(board, axis, velocity); }
TARVIK_EXPORT I16 load_accel(I16 board, I16 axis, I32 acceleration)
{
    return sim().load_accel(board, axis, acceleration);
}
TARVIK_EXPORT I16 load_accel_fact(I16 board, I16 axis, I16 factor)
{
    return sim().load_accel_fact(board, axis, factor);
}
TARVIK_EXPORT I16 set_base_vel(I16 board, I16 axis, I16 velocity)
{
    return sim().set_base_vel(board, axis, velocity);
}
TARVIK_EXPORT I16 load_vel_change(I16 board, I16 axis, I16 change)
{
    return sim().load_vel_change(board, axis, change);
}
TARVIK_EXPORT I16 load_rpm(I16 board, I16 axis, double rpm) { return sim().load_rpm(board, axis, rpm); }
TARVIK_EXPORT I16 load_rpsps(I16 board, I16 axis, double rpsps) { return sim().load_rpsps(board, axis, rpsps); }
TARVIK_EXPORT I16 load_time_brk(I16 board, I16 axis, I32 time) { return sim().load_time_brk(board, axis, time); }
TARVIK_EXPORT I16 in_pos(I16 board, I16 axis, I32 position, I32 deadband, I32* result)
{
    return sim().in_pos(board, axis, position, deadband, *result);
}
TARVIK_EXPORT I16 read_pos(I16 board, I16 axis, I32* position) { return sim().read_pos(board, axis, *position); }
TARVIK_EXPORT I16 read_encoder(I16 board, I16 axis, I32* position)
{
    return sim().read_encoder(board, axis, *position);
}
TARVIK_EXPORT I16 read_steps_vel(I16 board, I16 axis, I32* stepsPerSecond)
{
    return sim().read_steps_vel(board, axis, *stepsPerSecond);
}
TARVIK_EXPORT I16 read_vel(I16 board, I16 axis, I16* velocity) { return sim().read_vel(board, axis, *velocity); }
TARVIK_EXPORT I16 read_rpm(I16 board, I16 axis, double* rpm) { return sim().read_rpm(board, axis, *rpm); }
TARVIK_EXPORT I16 read_axis_stat(I16 board, I16 axis, I16* status)
{
#ifdef TARVIK_FAKE_DRIVER_STUCK
    const I16 result = sim().read_axis_stat(board, axis, *status);
    if (result == 0) *status = static_cast<I16>(tarvik::AxisStatusRunning);
    return result;
#else
    return sim().read_axis_stat(board, axis, *status);
#endif
}
TARVIK_EXPORT I16 read_csr(I16 board, I16* commStatus) { return sim().read_csr(board, *commStatus); }
TARVIK_EXPORT I16 read_io_port(I16 board, I16* ioPort) { return sim().read_io_port(board, *ioPort); }
TARVIK_EXPORT I16 read_lim_stat(I16 board, I16* limitWord) { return sim().read_lim_stat(board, *limitWord); }
TARVIK_EXPORT I16 read_gpio(I16 board, I32* auxIo) { return sim().read_gpio(board, *auxIo); }
TARVIK_EXPORT I16 read_adc(I16 board, I16 channel, I16* value) { return sim().read_adc(board, channel, *value); }
TARVIK_EXPORT I16 get_motion_board_info(I16 board, I16 attribute, I32* value)
{
    return sim().get_motion_board_info(board, attribute, *value);
}
TARVIK_EXPORT I16 load_prop_gain(I16 board, I16 axis, I16 gain) { return sim().load_prop_gain(board, axis, gain); }
TARVIK_EXPORT I16 load_intg_gain(I16 board, I16 axis, I16 gain) { return sim().load_intg_gain(board, axis, gain); }
TARVIK_EXPORT I16 load_deriv_gain(I16 board, I16 axis, I16 gain) { return sim().load_deriv_gain(board, axis, gain); }
TARVIK_EXPORT I16 load_deriv_per(I16 board, I16 axis, I16 period)
{
    return sim().load_deriv_per(board, axis, period);
}
TARVIK_EXPORT I16 load_intg_lim(I16 board, I16 axis, I16 limit) { return sim().load_intg_lim(board, axis, limit); }
TARVIK_EXPORT I16 load_fol_err(I16 board, I16 axis, I32 counts) { return sim().load_fol_err(board, axis, counts); }
TARVIK_EXPORT I16 master_slave_cfg(I16 board, I16 axis, I32 mode)
{
    return sim().master_slave_cfg(board, axis, mode);
}
TARVIK_EXPORT I16 load_pos_ref(I16 board, I16 axis, I32 offset) { return sim().load_pos_ref(board, axis, offset); }
TARVIK_EXPORT I16 load_pos_scale(I16 board, I16 axis, I32 scale) { return sim().load_pos_scale(board, axis, scale); }
TARVIK_EXPORT I16 store_steps_rev(I16 board, I16 axis, I16 steps)
{
    return sim().store_steps_rev(board, axis, steps);
}
TARVIK_EXPORT I16 load_steps_lines(I16 board, I16 axis, I32 linesAndSteps)
{
    return sim().load_steps_lines(board, axis, linesAndSteps);
}
TARVIK_EXPORT I16 store_elc(I16 board, I16 axis, I16 lines) { return sim().store_elc(board, axis, lines); }
TARVIK_EXPORT I16 load_rot_counts(I16 board, I16 axis, I32 counts)
{
    return sim().load_rot_counts(board, axis, counts);
}
TARVIK_EXPORT I16 find_home(I16 board, I16 axis, I16 direction) { return sim().find_home(board, axis, direction); }
TARVIK_EXPORT I16 find_index(I16 board, I16 axis, I16 direction, I16 offset, I16* found)
{
    return sim().find_index(board, axis, direction, offset, *found);
}
TARVIK_EXPORT I16 set_io_output(I16 board, I16 ioPort) { return sim().set_io_output(board, ioPort); }
TARVIK_EXPORT I16 set_gpio(I16 board, I32 auxIo) { return sim().set_gpio(board, auxIo); }
TARVIK_EXPORT I16 set_portc_dir(I16 board, I16 code) { return sim().set_portc_dir(board, code); }
TARVIK_EXPORT I16 begin_prestore(I16 board, I16 trigger) { return sim().begin_prestore(board, trigger); }
TARVIK_EXPORT I16 end_prestore(I16 board) { return sim().end_prestore(board); }
TARVIK_EXPORT I16 trig_buff_delim(I16 board) { return sim().trig_buff_delim(board); }
TARVIK_EXPORT I16 trigger_io(I16 board, I16 port) { return sim().trigger_io(board, port); }
TARVIK_EXPORT I16 enable_io_trig(I16 board, I16 triggerMap) { return sim().enable_io_trig(board, triggerMap); }
TARVIK_EXPORT I16 enable_brk(I16 board, I16 axis, I16 mode) { return sim().enable_brk(board, axis, mode); }
TARVIK_EXPORT I16 load_break_mod(I16 board, I16 axis, I32 modulus)
{
    return sim().load_break_mod(board, axis, modulus);
}
TARVIK_EXPORT I16 load_pos_brk(I16 board, I16 axis, I32 position)
{
    return sim().load_pos_brk(board, axis, position);
}
TARVIK_EXPORT I16 enable_pos_trig(I16 board, I16 axis, I16 link) { return sim().enable_pos_trig(board, axis, link); }
TARVIK_EXPORT I16 read_pos_rdb(I16 board, I16 axis) { return sim().read_pos_rdb(board, axis); }
TARVIK_EXPORT I16 read_vel_rdb(I16 board, I16 axis) { return sim().read_vel_rdb(board, axis); }
TARVIK_EXPORT I16 read_axis_stat_rdb(I16 board, I16 axis) { return sim().read_axis_stat_rdb(board, axis); }
TARVIK_EXPORT I16 read_io_port_rdb(I16 board) { return sim().read_io_port_rdb(board); }
TARVIK_EXPORT I16 read_lim_stat_rdb(I16 board) { return sim().read_lim_stat_rdb(board); }
TARVIK_EXPORT I16 read_encoder_rdb(I16 board, I16 axis) { return sim().read_encoder_rdb(board, axis); }
TARVIK_EXPORT I16 flush_rdb(I16 board) { return sim().flush_rdb(board); }
#endif
