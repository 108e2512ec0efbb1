#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tarvik {

// The 16-bit status every entry point returns: 0 is success, 1..38 name the ZEVA_ codes.
using DriverStatus = std::int16_t;

// Number of board slots `get_bd_config` reports.
inline constexpr int kBoardConfigEntries = 32;
// Capacity of the Return Data Buffer arrays `read_rdb` fills.
inline constexpr int kRdbCapacity = 2000;

// The motion driver: one method per entry point of the board maker's library, named as the
// entry point, with the argument types the windows pass. Outputs are by reference and are
// written only when the call succeeds. Nothing else in the program talks to a board.
// Besides the entry points it answers two questions about the driver itself, so that the
// program and the windows never need to know which driver they have; these are not entry
// points and stay out of the entry-point table and the library binding.
class MotionDriver {
public:
    virtual ~MotionDriver() = default;

    // True when the boards are simulated ones (directly or behind a driver that wraps them).
    virtual bool simulated() const { return false; }
    // Why the boards could not be set up: the board configuration file's error or the driver
    // library's load error; empty when none.
    virtual std::string configurationError() const { return {}; }

    // Board configuration: per board ID (index) the type code (-1 none) and the I/O address.
    // Fills min(typeCodes.size(), ioAddresses.size()) entries, normally kBoardConfigEntries.
    virtual DriverStatus get_bd_config(std::span<std::int16_t> typeCodes, std::span<std::int16_t> ioAddresses) = 0;
    // Marks an axis as initialised.
    virtual DriverStatus set_init_stat(std::int16_t board, std::int16_t axis) = 0;

    // Limits, I/O polarity and step output.
    virtual DriverStatus set_lim_pol(std::int16_t board, std::int16_t mask) = 0;
    virtual DriverStatus enable_limits(std::int16_t board, std::int16_t mask) = 0;
    virtual DriverStatus set_io_pol(std::int16_t board, std::int16_t mask) = 0;
    virtual DriverStatus set_step_mode_pol(std::int16_t board, std::int16_t word) = 0;

    // Start and stop.
    virtual DriverStatus start_motion(std::int16_t board, std::int16_t axis) = 0;
    virtual DriverStatus multi_start(std::int16_t board, std::int16_t mask) = 0;
    virtual DriverStatus stop_motion(std::int16_t board, std::int16_t axis) = 0;
    virtual DriverStatus kill_motion(std::int16_t board, std::int16_t axis) = 0;
    virtual DriverStatus reset_pos(std::int16_t board, std::int16_t axis) = 0;

    // Modes.
    virtual DriverStatus set_stop_mode(std::int16_t board, std::int16_t axis, std::int16_t mode) = 0;
    virtual DriverStatus set_pos_mode(std::int16_t board, std::int16_t axis, std::int16_t mode) = 0;
    virtual DriverStatus set_direction(std::int16_t board, std::int16_t axis, std::int16_t direction) = 0;
    virtual DriverStatus set_loop_mode(std::int16_t board, std::int16_t axis, std::int16_t mode) = 0;
    virtual DriverStatus set_scale_seq(std::int16_t board, std::int16_t axis, std::int16_t sequence) = 0;

    // Trajectory.
    virtual DriverStatus load_target_pos(std::int16_t board, std::int16_t axis, std::int32_t position) = 0;
    virtual DriverStatus load_vel(std::int16_t board, std::int16_t axis, std::int32_t velocity) = 0;
    virtual DriverStatus load_accel(std::int16_t board, std::int16_t axis, std::int32_t acceleration) = 0;
    virtual DriverStatus load_accel_fact(std::int16_t board, std::int16_t axis, std::int16_t factor) = 0;
    virtual DriverStatus set_base_vel(std::int16_t board, std::int16_t axis, std::int16_t velocity) = 0;
    virtual DriverStatus load_vel_change(std::int16_t board, std::int16_t axis, std::int16_t change) = 0;
    virtual DriverStatus load_rpm(std::int16_t board, std::int16_t axis, double rpm) = 0;
    virtual DriverStatus load_rpsps(std::int16_t board, std::int16_t axis, double rpsps) = 0;
    virtual DriverStatus load_time_brk(std::int16_t board, std::int16_t axis, std::int32_t time) = 0;
    virtual DriverStatus in_pos(std::int16_t board, std::int16_t axis, std::int32_t position, std::int32_t deadband,
                                std::int32_t& result) = 0;

    // Read-back.
    virtual DriverStatus read_pos(std::int16_t board, std::int16_t axis, std::int32_t& position) = 0;
    virtual DriverStatus read_encoder(std::int16_t board, std::int16_t axis, std::int32_t& position) = 0;
    virtual DriverStatus read_steps_vel(std::int16_t board, std::int16_t axis, std::int32_t& stepsPerSecond) = 0;
    virtual DriverStatus read_vel(std::int16_t board, std::int16_t axis, std::int16_t& velocity) = 0;
    virtual DriverStatus read_rpm(std::int16_t board, std::int16_t axis, double& rpm) = 0;
    virtual DriverStatus read_axis_stat(std::int16_t board, std::int16_t axis, std::int16_t& status) = 0;
    virtual DriverStatus read_csr(std::int16_t board, std::int16_t& commStatus) = 0;
    virtual DriverStatus read_io_port(std::int16_t board, std::int16_t& ioPort) = 0;
    virtual DriverStatus read_lim_stat(std::int16_t board, std::int16_t& limitWord) = 0;
    virtual DriverStatus read_gpio(std::int16_t board, std::int32_t& auxIo) = 0;
    virtual DriverStatus read_adc(std::int16_t board, std::int16_t channel, std::int16_t& value) = 0;
    // `name` may be empty (a null buffer); `length` holds the buffer size on entry and the name's
    // length on return. Never writes more than `length` characters into `name`.
    virtual DriverStatus get_motion_board_name(std::int16_t board, std::span<char> name, std::int32_t& length) = 0;
    virtual DriverStatus get_motion_board_info(std::int16_t board, std::int16_t attribute, std::int32_t& value) = 0;

    // Servo loop.
    virtual DriverStatus load_prop_gain(std::int16_t board, std::int16_t axis, std::int16_t gain) = 0;
    virtual DriverStatus load_intg_gain(std::int16_t board, std::int16_t axis, std::int16_t gain) = 0;
    virtual DriverStatus load_deriv_gain(std::int16_t board, std::int16_t axis, std::int16_t gain) = 0;
    virtual DriverStatus load_deriv_per(std::int16_t board, std::int16_t axis, std::int16_t period) = 0;
    virtual DriverStatus load_intg_lim(std::int16_t board, std::int16_t axis, std::int16_t limit) = 0;
    virtual DriverStatus load_fol_err(std::int16_t board, std::int16_t axis, std::int32_t counts) = 0;
    virtual DriverStatus master_slave_cfg(std::int16_t board, std::int16_t axis, std::int32_t mode) = 0;
    virtual DriverStatus load_pos_ref(std::int16_t board, std::int16_t axis, std::int32_t offset) = 0;
    virtual DriverStatus load_pos_scale(std::int16_t board, std::int16_t axis, std::int32_t scale) = 0;

    // Counts per revolution.
    virtual DriverStatus store_steps_rev(std::int16_t board, std::int16_t axis, std::int16_t steps) = 0;
    virtual DriverStatus load_steps_lines(std::int16_t board, std::int16_t axis, std::int32_t linesAndSteps) = 0;
    virtual DriverStatus store_elc(std::int16_t board, std::int16_t axis, std::int16_t lines) = 0;
    virtual DriverStatus load_rot_counts(std::int16_t board, std::int16_t axis, std::int32_t counts) = 0;

    // Searches. `find_index` sets `found` to 0 when the index was found.
    virtual DriverStatus find_home(std::int16_t board, std::int16_t axis, std::int16_t direction) = 0;
    virtual DriverStatus find_index(std::int16_t board, std::int16_t axis, std::int16_t direction, std::int16_t offset,
                                    std::int16_t& found) = 0;

    // I/O port and aux digital I/O.
    virtual DriverStatus set_io_output(std::int16_t board, std::int16_t ioPort) = 0;
    virtual DriverStatus set_gpio(std::int16_t board, std::int32_t auxIo) = 0;
    virtual DriverStatus set_portc_dir(std::int16_t board, std::int16_t code) = 0;

    // Triggers and breakpoints.
    virtual DriverStatus begin_prestore(std::int16_t board, std::int16_t trigger) = 0;
    virtual DriverStatus end_prestore(std::int16_t board) = 0;
    virtual DriverStatus trig_buff_delim(std::int16_t board) = 0;
    virtual DriverStatus trigger_io(std::int16_t board, std::int16_t port) = 0;
    virtual DriverStatus enable_io_trig(std::int16_t board, std::int16_t triggerMap) = 0;
    virtual DriverStatus enable_brk(std::int16_t board, std::int16_t axis, std::int16_t mode) = 0;
    virtual DriverStatus load_break_mod(std::int16_t board, std::int16_t axis, std::int32_t modulus) = 0;
    virtual DriverStatus load_pos_brk(std::int16_t board, std::int16_t axis, std::int32_t position) = 0;
    virtual DriverStatus enable_pos_trig(std::int16_t board, std::int16_t axis, std::int16_t link) = 0;

    // Return Data Buffer.
    virtual DriverStatus read_pos_rdb(std::int16_t board, std::int16_t axis) = 0;
    virtual DriverStatus read_vel_rdb(std::int16_t board, std::int16_t axis) = 0;
    virtual DriverStatus read_axis_stat_rdb(std::int16_t board, std::int16_t axis) = 0;
    virtual DriverStatus read_io_port_rdb(std::int16_t board) = 0;
    virtual DriverStatus read_lim_stat_rdb(std::int16_t board) = 0;
    virtual DriverStatus read_encoder_rdb(std::int16_t board, std::int16_t axis) = 0;
    virtual DriverStatus flush_rdb(std::int16_t board) = 0;
    // Fetches up to `count` packets (never more than the arrays hold) into the first entries of
    // the arrays and hands back the number fetched in `count`.
    virtual DriverStatus read_rdb(std::int16_t board, std::int16_t& count, std::span<std::int16_t> axes,
                                  std::span<std::int16_t> commands, std::span<std::int32_t> data) = 0;

    // One raw command packet.
    virtual DriverStatus send_command(std::int16_t board, std::int16_t axis, std::int16_t command,
                                      std::int16_t wordCount, std::int32_t data) = 0;
};

} // namespace tarvik
