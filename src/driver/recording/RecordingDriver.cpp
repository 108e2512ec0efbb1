#include "driver/recording/RecordingDriver.h"

#include "driver/EntryPoints.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace tarvik {

std::string CallRecord::text() const {
    std::string text(entry);
    text += '(';
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) text += ", ";
        text += arguments[i];
    }
    return text + ')';
}

RecordingDriver::RecordingDriver(MotionDriver& inner, const Clock& clock) : inner_(inner), clock_(clock) {}

RecordingDriver::RecordingDriver(std::unique_ptr<MotionDriver> inner, const Clock& clock)
    : owned_(std::move(inner)), inner_(*owned_), clock_(clock) {}

void RecordingDriver::injectFault(std::string_view entry, DriverStatus status, std::optional<int> count, int after) {
    rules_.setFault(entry, status, count, after);
}

void RecordingDriver::scriptReturns(std::string_view entry, const std::vector<double>& values,
                                    std::optional<int> count) {
    rules_.setReturns(entry, values, count);
}

void RecordingDriver::scriptReturnSequence(std::string_view entry, const std::vector<std::vector<double>>& answers) {
    rules_.setReturnSequence(entry, answers);
}

void RecordingDriver::scriptReturnedPackets(std::string_view entry, std::vector<RdbPacket> packets,
                                            std::optional<int> count) {
    rules_.setReturnedPackets(entry, std::move(packets), count);
}

void RecordingDriver::scriptReturnedText(std::string_view entry, std::string text, std::optional<int> count) {
    rules_.setReturnedText(entry, std::move(text), count);
}

void RecordingDriver::clearInjections() { rules_.clear(); }

std::span<const CallRecord> RecordingDriver::callsSinceMark() const {
    return std::span<const CallRecord>(calls_).subspan(mark_);
}

void RecordingDriver::consumeThrough(std::size_t index) { mark_ = std::max(mark_, std::min(index + 1, calls_.size())); }

void RecordingDriver::clearLog() {
    calls_.clear();
    mark_ = 0;
    dropped_ = 0;
}

void RecordingDriver::setCallLogLimit(std::size_t limit) { logLimit_ = std::max<std::size_t>(limit, 4); }

// A quarter at a time, so that the calls move down the vector only once every limit/4 calls.
void RecordingDriver::dropOldest() {
    if (calls_.size() < logLimit_) return;
    const std::size_t count = calls_.size() - logLimit_ + std::max<std::size_t>(logLimit_ / 4, 1);
    calls_.erase(calls_.begin(), calls_.begin() + static_cast<std::ptrdiff_t>(count));
    mark_ = mark_ > count ? mark_ - count : 0;
    dropped_ += count;
}

// Every entry point comes through here: fault, or forward (then scripted values), then log.
template <EntryName Name, typename... Params, typename... Args>
DriverStatus RecordingDriver::record(DriverStatus (MotionDriver::*entry)(Params...), Args... args) {
    constexpr std::size_t index = entryPointIndex(Name.view());
    static_assert(index < kEntryPoints.size(), "not a driver entry point");
    static_assert(outputsMatch<Args...>(kEntryPoints[index].outputs), "outputs differ from the entry-point table");
    const EntryPoint* known = &kEntryPoints[index];

    CallRecord call{known->name, {}, 0, clock_.nowMicros(), CallInjection::None};
    if (const auto fault = rules_.takeFault(known->name)) {
        call.status = *fault;
        call.injection = CallInjection::Fault;
    } else {
        auto inner = std::tuple_cat(unwrap(args)...);
        call.status = std::apply([&](auto&&... a) { return (inner_.*entry)(a...); }, inner);
        if (const auto outputs = rules_.takeReturns(known->name)) {
            std::size_t next = 0;
            (assignScripted(args, *outputs, next), ...);
            call.status = 0;
            call.injection = CallInjection::Returns;
        }
    }
    const bool outputsWritten = call.status == 0 && call.injection != CallInjection::Fault;
    (appendPrinted(call.arguments, args, outputsWritten), ...);
    dropOldest();
    calls_.push_back(std::move(call));
    return calls_.back().status;
}

DriverStatus RecordingDriver::get_bd_config(std::span<std::int16_t> typeCodes, std::span<std::int16_t> ioAddresses) {
    return record<"get_bd_config">(&MotionDriver::get_bd_config, BoardConfigArrays{typeCodes, ioAddresses});
}

DriverStatus RecordingDriver::set_init_stat(std::int16_t board, std::int16_t axis) {
    return record<"set_init_stat">(&MotionDriver::set_init_stat, board, axis);
}

DriverStatus RecordingDriver::set_lim_pol(std::int16_t board, std::int16_t mask) {
    return record<"set_lim_pol">(&MotionDriver::set_lim_pol, board, mask);
}

DriverStatus RecordingDriver::enable_limits(std::int16_t board, std::int16_t mask) {
    return record<"enable_limits">(&MotionDriver::enable_limits, board, mask);
}

DriverStatus RecordingDriver::set_io_pol(std::int16_t board, std::int16_t mask) {
    return record<"set_io_pol">(&MotionDriver::set_io_pol, board, mask);
}

DriverStatus RecordingDriver::set_step_mode_pol(std::int16_t board, std::int16_t word) {
    return record<"set_step_mode_pol">(&MotionDriver::set_step_mode_pol, board, word);
}

DriverStatus RecordingDriver::start_motion(std::int16_t board, std::int16_t axis) {
    return record<"start_motion">(&MotionDriver::start_motion, board, axis);
}

DriverStatus RecordingDriver::multi_start(std::int16_t board, std::int16_t mask) {
    return record<"multi_start">(&MotionDriver::multi_start, board, mask);
}

DriverStatus RecordingDriver::stop_motion(std::int16_t board, std::int16_t axis) {
    return record<"stop_motion">(&MotionDriver::stop_motion, board, axis);
}

DriverStatus RecordingDriver::kill_motion(std::int16_t board, std::int16_t axis) {
    return record<"kill_motion">(&MotionDriver::kill_motion, board, axis);
}

DriverStatus RecordingDriver::reset_pos(std::int16_t board, std::int16_t axis) {
    return record<"reset_pos">(&MotionDriver::reset_pos, board, axis);
}

DriverStatus RecordingDriver::set_stop_mode(std::int16_t board, std::int16_t axis, std::int16_t mode) {
    return record<"set_stop_mode">(&MotionDriver::set_stop_mode, board, axis, mode);
}

DriverStatus RecordingDriver::set_pos_mode(std::int16_t board, std::int16_t axis, std::int16_t mode) {
    return record<"set_pos_mode">(&MotionDriver::set_pos_mode, board, axis, mode);
}

DriverStatus RecordingDriver::set_direction(std::int16_t board, std::int16_t axis, std::int16_t direction) {
    return record<"set_direction">(&MotionDriver::set_direction, board, axis, direction);
}

DriverStatus RecordingDriver::set_loop_mode(std::int16_t board, std::int16_t axis, std::int16_t mode) {
    return record<"set_loop_mode">(&MotionDriver::set_loop_mode, board, axis, mode);
}

DriverStatus RecordingDriver::set_scale_seq(std::int16_t board, std::int16_t axis, std::int16_t sequence) {
    return record<"set_scale_seq">(&MotionDriver::set_scale_seq, board, axis, sequence);
}

DriverStatus RecordingDriver::load_target_pos(std::int16_t board, std::int16_t axis, std::int32_t position) {
    return record<"load_target_pos">(&MotionDriver::load_target_pos, board, axis, position);
}

DriverStatus RecordingDriver::load_vel(std::int16_t board, std::int16_t axis, std::int32_t velocity) {
    return record<"load_vel">(&MotionDriver::load_vel, board, axis, velocity);
}

DriverStatus RecordingDriver::load_accel(std::int16_t board, std::int16_t axis, std::int32_t acceleration) {
    return record<"load_accel">(&MotionDriver::load_accel, board, axis, acceleration);
}

DriverStatus RecordingDriver::load_accel_fact(std::int16_t board, std::int16_t axis, std::int16_t factor) {
    return record<"load_accel_fact">(&MotionDriver::load_accel_fact, board, axis, factor);
}

DriverStatus RecordingDriver::set_base_vel(std::int16_t board, std::int16_t axis, std::int16_t velocity) {
    return record<"set_base_vel">(&MotionDriver::set_base_vel, board, axis, velocity);
}

DriverStatus RecordingDriver::load_vel_change(std::int16_t board, std::int16_t axis, std::int16_t change) {
    return record<"load_vel_change">(&MotionDriver::load_vel_change, board, axis, change);
}

DriverStatus RecordingDriver::load_rpm(std::int16_t board, std::int16_t axis, double rpm) {
    return record<"load_rpm">(&MotionDriver::load_rpm, board, axis, rpm);
}

DriverStatus RecordingDriver::load_rpsps(std::int16_t board, std::int16_t axis, double rpsps) {
    return record<"load_rpsps">(&MotionDriver::load_rpsps, board, axis, rpsps);
}

DriverStatus RecordingDriver::load_time_brk(std::int16_t board, std::int16_t axis, std::int32_t time) {
    return record<"load_time_brk">(&MotionDriver::load_time_brk, board, axis, time);
}

DriverStatus RecordingDriver::in_pos(std::int16_t board, std::int16_t axis, std::int32_t position,
        std::int32_t deadband, std::int32_t& result) {
    return record<"in_pos">(&MotionDriver::in_pos, board, axis, position, deadband, Out<std::int32_t>{result});
}

DriverStatus RecordingDriver::read_pos(std::int16_t board, std::int16_t axis, std::int32_t& position) {
    return record<"read_pos">(&MotionDriver::read_pos, board, axis, Out<std::int32_t>{position});
}

DriverStatus RecordingDriver::read_encoder(std::int16_t board, std::int16_t axis, std::int32_t& position) {
    return record<"read_encoder">(&MotionDriver::read_encoder, board, axis, Out<std::int32_t>{position});
}

DriverStatus RecordingDriver::read_steps_vel(std::int16_t board, std::int16_t axis, std::int32_t& stepsPerSecond) {
    return record<"read_steps_vel">(&MotionDriver::read_steps_vel, board, axis, Out<std::int32_t>{stepsPerSecond});
}

DriverStatus RecordingDriver::read_vel(std::int16_t board, std::int16_t axis, std::int16_t& velocity) {
    return record<"read_vel">(&MotionDriver::read_vel, board, axis, Out<std::int16_t>{velocity});
}

DriverStatus RecordingDriver::read_rpm(std::int16_t board, std::int16_t axis, double& rpm) {
    return record<"read_rpm">(&MotionDriver::read_rpm, board, axis, Out<double>{rpm});
}

DriverStatus RecordingDriver::read_axis_stat(std::int16_t board, std::int16_t axis, std::int16_t& status) {
    return record<"read_axis_stat">(&MotionDriver::read_axis_stat, board, axis, Out<std::int16_t>{status});
}

DriverStatus RecordingDriver::read_csr(std::int16_t board, std::int16_t& commStatus) {
    return record<"read_csr">(&MotionDriver::read_csr, board, Out<std::int16_t>{commStatus});
}

DriverStatus RecordingDriver::read_io_port(std::int16_t board, std::int16_t& ioPort) {
    return record<"read_io_port">(&MotionDriver::read_io_port, board, Out<std::int16_t>{ioPort});
}

DriverStatus RecordingDriver::read_lim_stat(std::int16_t board, std::int16_t& limitWord) {
    return record<"read_lim_stat">(&MotionDriver::read_lim_stat, board, Out<std::int16_t>{limitWord});
}

DriverStatus RecordingDriver::read_gpio(std::int16_t board, std::int32_t& auxIo) {
    return record<"read_gpio">(&MotionDriver::read_gpio, board, Out<std::int32_t>{auxIo});
}

DriverStatus RecordingDriver::read_adc(std::int16_t board, std::int16_t channel, std::int16_t& value) {
    return record<"read_adc">(&MotionDriver::read_adc, board, channel, Out<std::int16_t>{value});
}

DriverStatus RecordingDriver::get_motion_board_name(std::int16_t board, std::span<char> name, std::int32_t& length) {
    return record<"get_motion_board_name">(&MotionDriver::get_motion_board_name, board, NameBuffer(name, length));
}

DriverStatus RecordingDriver::get_motion_board_info(std::int16_t board, std::int16_t attribute, std::int32_t& value) {
    return record<"get_motion_board_info">(&MotionDriver::get_motion_board_info,
                      board, attribute, Out<std::int32_t>{value});
}

DriverStatus RecordingDriver::load_prop_gain(std::int16_t board, std::int16_t axis, std::int16_t gain) {
    return record<"load_prop_gain">(&MotionDriver::load_prop_gain, board, axis, gain);
}

DriverStatus RecordingDriver::load_intg_gain(std::int16_t board, std::int16_t axis, std::int16_t gain) {
    return record<"load_intg_gain">(&MotionDriver::load_intg_gain, board, axis, gain);
}

DriverStatus RecordingDriver::load_deriv_gain(std::int16_t board, std::int16_t axis, std::int16_t gain) {
    return record<"load_deriv_gain">(&MotionDriver::load_deriv_gain, board, axis, gain);
}

DriverStatus RecordingDriver::load_deriv_per(std::int16_t board, std::int16_t axis, std::int16_t period) {
    return record<"load_deriv_per">(&MotionDriver::load_deriv_per, board, axis, period);
}

DriverStatus RecordingDriver::load_intg_lim(std::int16_t board, std::int16_t axis, std::int16_t limit) {
    return record<"load_intg_lim">(&MotionDriver::load_intg_lim, board, axis, limit);
}

DriverStatus RecordingDriver::load_fol_err(std::int16_t board, std::int16_t axis, std::int32_t counts) {
    return record<"load_fol_err">(&MotionDriver::load_fol_err, board, axis, counts);
}

DriverStatus RecordingDriver::master_slave_cfg(std::int16_t board, std::int16_t axis, std::int32_t mode) {
    return record<"master_slave_cfg">(&MotionDriver::master_slave_cfg, board, axis, mode);
}

DriverStatus RecordingDriver::load_pos_ref(std::int16_t board, std::int16_t axis, std::int32_t offset) {
    return record<"load_pos_ref">(&MotionDriver::load_pos_ref, board, axis, offset);
}

DriverStatus RecordingDriver::load_pos_scale(std::int16_t board, std::int16_t axis, std::int32_t scale) {
    return record<"load_pos_scale">(&MotionDriver::load_pos_scale, board, axis, scale);
}

DriverStatus RecordingDriver::store_steps_rev(std::int16_t board, std::int16_t axis, std::int16_t steps) {
    return record<"store_steps_rev">(&MotionDriver::store_steps_rev, board, axis, steps);
}

DriverStatus RecordingDriver::load_steps_lines(std::int16_t board, std::int16_t axis, std::int32_t linesAndSteps) {
    return record<"load_steps_lines">(&MotionDriver::load_steps_lines, board, axis, linesAndSteps);
}

DriverStatus RecordingDriver::store_elc(std::int16_t board, std::int16_t axis, std::int16_t lines) {
    return record<"store_elc">(&MotionDriver::store_elc, board, axis, lines);
}

DriverStatus RecordingDriver::load_rot_counts(std::int16_t board, std::int16_t axis, std::int32_t counts) {
    return record<"load_rot_counts">(&MotionDriver::load_rot_counts, board, axis, counts);
}

DriverStatus RecordingDriver::find_home(std::int16_t board, std::int16_t axis, std::int16_t direction) {
    return record<"find_home">(&MotionDriver::find_home, board, axis, direction);
}

DriverStatus RecordingDriver::find_index(std::int16_t board, std::int16_t axis, std::int16_t direction,
        std::int16_t offset, std::int16_t& found) {
    return record<"find_index">(&MotionDriver::find_index, board, axis, direction, offset, Out<std::int16_t>{found});
}

DriverStatus RecordingDriver::set_io_output(std::int16_t board, std::int16_t ioPort) {
    return record<"set_io_output">(&MotionDriver::set_io_output, board, ioPort);
}

DriverStatus RecordingDriver::set_gpio(std::int16_t board, std::int32_t auxIo) {
    return record<"set_gpio">(&MotionDriver::set_gpio, board, auxIo);
}

DriverStatus RecordingDriver::set_portc_dir(std::int16_t board, std::int16_t code) {
    return record<"set_portc_dir">(&MotionDriver::set_portc_dir, board, code);
}

DriverStatus RecordingDriver::begin_prestore(std::int16_t board, std::int16_t trigger) {
    return record<"begin_prestore">(&MotionDriver::begin_prestore, board, trigger);
}

DriverStatus RecordingDriver::end_prestore(std::int16_t board) {
    return record<"end_prestore">(&MotionDriver::end_prestore, board);
}

DriverStatus RecordingDriver::trig_buff_delim(std::int16_t board) {
    return record<"trig_buff_delim">(&MotionDriver::trig_buff_delim, board);
}

DriverStatus RecordingDriver::trigger_io(std::int16_t board, std::int16_t port) {
    return record<"trigger_io">(&MotionDriver::trigger_io, board, port);
}

DriverStatus RecordingDriver::enable_io_trig(std::int16_t board, std::int16_t triggerMap) {
    return record<"enable_io_trig">(&MotionDriver::enable_io_trig, board, triggerMap);
}

DriverStatus RecordingDriver::enable_brk(std::int16_t board, std::int16_t axis, std::int16_t mode) {
    return record<"enable_brk">(&MotionDriver::enable_brk, board, axis, mode);
}

DriverStatus RecordingDriver::load_break_mod(std::int16_t board, std::int16_t axis, std::int32_t modulus) {
    return record<"load_break_mod">(&MotionDriver::load_break_mod, board, axis, modulus);
}

DriverStatus RecordingDriver::load_pos_brk(std::int16_t board, std::int16_t axis, std::int32_t position) {
    return record<"load_pos_brk">(&MotionDriver::load_pos_brk, board, axis, position);
}

DriverStatus RecordingDriver::enable_pos_trig(std::int16_t board, std::int16_t axis, std::int16_t link) {
    return record<"enable_pos_trig">(&MotionDriver::enable_pos_trig, board, axis, link);
}

DriverStatus RecordingDriver::read_pos_rdb(std::int16_t board, std::int16_t axis) {
    return record<"read_pos_rdb">(&MotionDriver::read_pos_rdb, board, axis);
}

DriverStatus RecordingDriver::read_vel_rdb(std::int16_t board, std::int16_t axis) {
    return record<"read_vel_rdb">(&MotionDriver::read_vel_rdb, board, axis);
}

DriverStatus RecordingDriver::read_axis_stat_rdb(std::int16_t board, std::int16_t axis) {
    return record<"read_axis_stat_rdb">(&MotionDriver::read_axis_stat_rdb, board, axis);
}

DriverStatus RecordingDriver::read_io_port_rdb(std::int16_t board) {
    return record<"read_io_port_rdb">(&MotionDriver::read_io_port_rdb, board);
}

DriverStatus RecordingDriver::read_lim_stat_rdb(std::int16_t board) {
    return record<"read_lim_stat_rdb">(&MotionDriver::read_lim_stat_rdb, board);
}

DriverStatus RecordingDriver::read_encoder_rdb(std::int16_t board, std::int16_t axis) {
    return record<"read_encoder_rdb">(&MotionDriver::read_encoder_rdb, board, axis);
}

DriverStatus RecordingDriver::flush_rdb(std::int16_t board) {
    return record<"flush_rdb">(&MotionDriver::flush_rdb, board);
}

DriverStatus RecordingDriver::read_rdb(std::int16_t board, std::int16_t& count, std::span<std::int16_t> axes,
        std::span<std::int16_t> commands, std::span<std::int32_t> data) {
    return record<"read_rdb">(&MotionDriver::read_rdb, board, RdbArrays(count, axes, commands, data));
}

DriverStatus RecordingDriver::send_command(std::int16_t board, std::int16_t axis, std::int16_t command,
        std::int16_t wordCount, std::int32_t data) {
    return record<"send_command">(&MotionDriver::send_command, board, axis, command, wordCount, data);
}

} // namespace tarvik
