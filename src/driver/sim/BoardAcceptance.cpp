#include "driver/sim/BoardAcceptance.h"

#include "driver/StatusText.h"

#include <array>

namespace tarvik::sim {

namespace {

// How each board class answers one entry point: ZEVA_noError when it carries the call out, else
// the status it refuses the call with. `threeAxis` is the answer of a 3-axis board whose class
// takes the call.
struct Acceptance {
    std::string_view entryPoint;
    DriverStatus servo, openLoop, closedLoop, encoder, threeAxis;
};

constexpr DriverStatus ok = ZEVA_noError;
constexpr DriverStatus motion = ZEVA_motionOnlyError;
constexpr DriverStatus servo = ZEVA_servoOnlyError;
constexpr DriverStatus stepper = ZEVA_stepperOnlyError;
constexpr DriverStatus closedLoop = ZEVA_closedLoopOnlyError;
constexpr DriverStatus clStepper = ZEVA_closedLoopStepperOnlyError;
constexpr DriverStatus fourAxis = ZEVA_fourAxisOnlyError;

// Every entry point that names a board, in the order of kEntryPoints. get_bd_config names none,
// and a send_command packet is answered by the entry point it stands for.
//
// Encoder boards only count: they take no motion command (ZEVA_motionOnlyError) and have no
// motion status word (read_axis_stat), but their counters can be zeroed (reset_pos), read as
// position, velocity and RPM, compared (in_pos), given a line count and breakpoints. The encoder
// read-back of a closed-loop stepper (read_encoder, read_encoder_rdb) exists on those boards only.
// clang-format off
constexpr Acceptance kTable[] = {
    //  entry point            servo      open-loop   closed-loop encoder    3-axis
    {"set_init_stat",         ok,        ok,         ok,         ok,        ok},
    {"set_lim_pol",           ok,        ok,         ok,         ok,        ok},
    {"enable_limits",         ok,        ok,         ok,         ok,        ok},
    {"set_io_pol",            ok,        ok,         ok,         ok,        ok},
    {"set_step_mode_pol",     stepper,   ok,         ok,         motion,    ok},
    {"start_motion",          ok,        ok,         ok,         motion,    ok},
    {"multi_start",           ok,        ok,         ok,         motion,    ok},
    {"stop_motion",           ok,        ok,         ok,         motion,    ok},
    {"kill_motion",           ok,        ok,         ok,         motion,    ok},
    {"reset_pos",             ok,        ok,         ok,         ok,        ok},
    {"set_stop_mode",         ok,        ok,         ok,         motion,    ok},
    {"set_pos_mode",          ok,        ok,         ok,         motion,    ok},
    {"set_direction",         ok,        servo,      servo,      motion,    ok},
    {"set_loop_mode",         clStepper, clStepper,  ok,         clStepper, ok},
    {"set_scale_seq",         ok,        closedLoop, ok,         motion,    ok},
    {"load_target_pos",       ok,        ok,         ok,         motion,    ok},
    {"load_vel",              ok,        ok,         ok,         motion,    ok},
    {"load_accel",            ok,        ok,         ok,         motion,    ok},
    {"load_accel_fact",       stepper,   ok,         ok,         motion,    ok},
    {"set_base_vel",          stepper,   ok,         ok,         motion,    ok},
    {"load_vel_change",       stepper,   ok,         ok,         motion,    ok},
    {"load_rpm",              ok,        ok,         ok,         motion,    ok},
    {"load_rpsps",            ok,        ok,         ok,         motion,    ok},
    {"load_time_brk",         ok,        servo,      servo,      motion,    ok},
    {"in_pos",                ok,        closedLoop, ok,         ok,        ok},
    {"read_pos",              ok,        ok,         ok,         ok,        ok},
    {"read_encoder",          clStepper, clStepper,  ok,         clStepper, ok},
    {"read_steps_vel",        ok,        ok,         ok,         ok,        ok},
    {"read_vel",              ok,        ok,         ok,         ok,        ok},
    {"read_rpm",              ok,        ok,         ok,         ok,        ok},
    {"read_axis_stat",        ok,        ok,         ok,         motion,    ok},
    {"read_csr",              ok,        ok,         ok,         ok,        ok},
    {"read_io_port",          ok,        ok,         ok,         ok,        ok},
    {"read_lim_stat",         ok,        ok,         ok,         ok,        ok},
    {"read_gpio",             stepper,   ok,         ok,         stepper,   ok},
    {"read_adc",              ok,        ok,         ok,         ok,        fourAxis},
    {"get_motion_board_name", ok,        ok,         ok,         ok,        ok},
    {"get_motion_board_info", ok,        ok,         ok,         ok,        ok},
    {"load_prop_gain",        ok,        servo,      servo,      motion,    ok},
    {"load_intg_gain",        ok,        servo,      servo,      motion,    ok},
    {"load_deriv_gain",       ok,        servo,      servo,      motion,    ok},
    {"load_deriv_per",        ok,        servo,      servo,      motion,    ok},
    {"load_intg_lim",         ok,        servo,      servo,      motion,    ok},
    {"load_fol_err",          ok,        closedLoop, ok,         motion,    ok},
    {"master_slave_cfg",      ok,        servo,      servo,      motion,    ok},
    {"load_pos_ref",          ok,        closedLoop, ok,         motion,    ok},
    {"load_pos_scale",        ok,        closedLoop, ok,         motion,    ok},
    {"store_steps_rev",       stepper,   ok,         ok,         motion,    ok},
    {"load_steps_lines",      clStepper, clStepper,  ok,         clStepper, ok},
    {"store_elc",             ok,        servo,      servo,      ok,        ok},
    {"load_rot_counts",       ok,        servo,      servo,      motion,    fourAxis},
    {"find_home",             ok,        ok,         ok,         motion,    ok},
    {"find_index",            ok,        closedLoop, ok,         motion,    ok},
    {"set_io_output",         ok,        ok,         ok,         ok,        ok},
    {"set_gpio",              stepper,   ok,         ok,         stepper,   ok},
    {"set_portc_dir",         stepper,   ok,         ok,         stepper,   ok},
    {"begin_prestore",        ok,        ok,         ok,         ok,        ok},
    {"end_prestore",          ok,        ok,         ok,         ok,        ok},
    {"trig_buff_delim",       ok,        ok,         ok,         ok,        ok},
    {"trigger_io",            ok,        ok,         ok,         ok,        ok},
    {"enable_io_trig",        ok,        ok,         ok,         ok,        ok},
    {"enable_brk",            ok,        closedLoop, ok,         ok,        ok},
    {"load_break_mod",        ok,        closedLoop, ok,         motion,    fourAxis},
    {"load_pos_brk",          ok,        closedLoop, ok,         ok,        ok},
    {"enable_pos_trig",       ok,        ok,         ok,         motion,    fourAxis},
    {"read_pos_rdb",          ok,        ok,         ok,         ok,        ok},
    {"read_vel_rdb",          ok,        ok,         ok,         ok,        ok},
    {"read_axis_stat_rdb",    ok,        ok,         ok,         motion,    ok},
    {"read_io_port_rdb",      ok,        ok,         ok,         ok,        ok},
    {"read_lim_stat_rdb",     ok,        ok,         ok,         ok,        ok},
    {"read_encoder_rdb",      clStepper, clStepper,  ok,         clStepper, ok},
    {"flush_rdb",             ok,        ok,         ok,         ok,        ok},
    {"read_rdb",              ok,        ok,         ok,         ok,        ok},
};
// clang-format on

// The rows by entry point index; the two entry points without a row refuse nothing.
constexpr std::array<Acceptance, kEntryPoints.size()> indexRows()
{
    std::array<Acceptance, kEntryPoints.size()> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = {kEntryPoints[i].name, ok, ok, ok, ok, ok};
    for (const Acceptance& row : kTable)
        rows[entryPointIndex(row.entryPoint)] = row;
    return rows;
}

// Each row names an entry point of its own, in kEntryPoints order, and only get_bd_config and
// send_command go without one.
constexpr bool tableCoversEveryEntryPoint()
{
    std::size_t next = 0;
    for (const Acceptance& row : kTable) {
        while (next < kEntryPoints.size() && kEntryPoints[next].name != row.entryPoint) {
            if (kEntryPoints[next].name != "get_bd_config" && kEntryPoints[next].name != "send_command") return false;
            ++next;
        }
        if (next == kEntryPoints.size()) return false;
        ++next;
    }
    return next == kEntryPoints.size() - 1 && kEntryPoints.back().name == "send_command";
}
static_assert(tableCoversEveryEntryPoint(), "one row per entry point, in the order of kEntryPoints");

constexpr std::array<Acceptance, kEntryPoints.size()> kRows = indexRows();

} // namespace

DriverStatus refusal(EntryPointId entry, const BoardKind& kind)
{
    const Acceptance& row = kRows[entry.index];
    DriverStatus byClass = ok;
    switch (kind.boardClass) {
    case BoardClass::Servo: byClass = row.servo; break;
    case BoardClass::OpenLoopStepper: byClass = row.openLoop; break;
    case BoardClass::ClosedLoopStepper: byClass = row.closedLoop; break;
    case BoardClass::Encoder: byClass = row.encoder; break;
    }
    if (byClass != ok) return byClass;
    return kind.threeAxis() ? row.threeAxis : ok;
}

} // namespace tarvik::sim
