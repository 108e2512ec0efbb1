#pragma once

#include "base/Clock.h"
#include "driver/MotionDriver.h"
#include "driver/recording/CallArguments.h"
#include "driver/recording/InjectionRules.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

enum class CallInjection {
    None,    // the wrapped driver answered
    Fault,   // an injected status; the wrapped driver was not called
    Returns, // scripted output values with status 0
};

// One driver call as the recording driver saw it.
struct CallRecord {
    std::string_view entry;
    // The arguments as printed: by-reference outputs as '&' and their value after the call
    // ('&' alone when they were not written: a failed call or an injected fault), read_rdb's
    // count as "&IN->OUT" and its packets as "[axis:command:data, ...]", the board name as
    // quoted text, get_bd_config's boards as "&{ID=TYPE@ADDRESS, ...}".
    std::vector<std::string> arguments;
    DriverStatus status = 0;
    std::int64_t timeMicros = 0; // clock time when the call was made
    CallInjection injection = CallInjection::None;

    // "read_pos(1, 2, &1500)"
    std::string text() const;
};

// Wraps a driver: forwards every call, logs it, and can make an entry point fail or hand back
// scripted values (plain outputs, Return Data Buffer packets, a board name).
//
// Faults: a failing call returns the chosen status at once; its outputs are left as they were
// and the wrapped driver is not called. Scripted values: the wrapped driver is still called,
// so the board's own state and the time a call costs go on as usual (a polling loop that is
// fed scripted values still reaches its time bound); then its outputs are overwritten with the
// scripted values and the status is 0, whatever the wrapped driver answered.
class RecordingDriver final : public MotionDriver {
public:
    RecordingDriver(MotionDriver& inner, const Clock& clock);
    RecordingDriver(std::unique_ptr<MotionDriver> inner, const Clock& clock);

    MotionDriver& inner() { return inner_; }
    // Those of the wrapped driver: recording changes neither.
    bool simulated() const override { return inner_.simulated(); }
    std::string configurationError() const override { return inner_.configurationError(); }

    // See InjectionRules for the arguments and the errors thrown. A count of nullopt: always.
    void injectFault(std::string_view entry, DriverStatus status, std::optional<int> count = std::nullopt,
                     int after = 0);
    void scriptReturns(std::string_view entry, const std::vector<double>& values,
                       std::optional<int> count = std::nullopt);
    void scriptReturnSequence(std::string_view entry, const std::vector<std::vector<double>>& answers);
    void scriptReturnedPackets(std::string_view entry, std::vector<RdbPacket> packets,
                               std::optional<int> count = std::nullopt);
    void scriptReturnedText(std::string_view entry, std::string text, std::optional<int> count = std::nullopt);
    void clearInjections();

    // The log keeps the newest calls only, so that a program polling without end cannot fill
    // the memory: when it holds callLogLimit() calls, the oldest quarter of them is dropped.
    static constexpr std::size_t kDefaultCallLogLimit = 1'000'000;
    std::size_t callLogLimit() const { return logLimit_; }
    // At least 4; a log already longer is cut at the next call.
    void setCallLogLimit(std::size_t limit);
    // How many calls were dropped to make room since the log was last cleared.
    std::size_t droppedCalls() const { return dropped_; }

    // The call log. The mark divides calls already consumed by a check from those still open;
    // dropping calls moves it along with them.
    const std::vector<CallRecord>& calls() const { return calls_; }
    std::span<const CallRecord> callsSinceMark() const;
    std::size_t markPosition() const { return mark_; }
    // Consumes every call so far.
    void mark() { mark_ = calls_.size(); }
    // Consumes the calls up to and including `index`; never moves the mark back.
    void consumeThrough(std::size_t index);
    void clearLog();

    DriverStatus get_bd_config(std::span<std::int16_t> typeCodes, std::span<std::int16_t> ioAddresses) override;
    DriverStatus set_init_stat(std::int16_t board, std::int16_t axis) override;
    DriverStatus set_lim_pol(std::int16_t board, std::int16_t mask) override;
    DriverStatus enable_limits(std::int16_t board, std::int16_t mask) override;
    DriverStatus set_io_pol(std::int16_t board, std::int16_t mask) override;
    DriverStatus set_step_mode_pol(std::int16_t board, std::int16_t word) override;
    DriverStatus start_motion(std::int16_t board, std::int16_t axis) override;
    DriverStatus multi_start(std::int16_t board, std::int16_t mask) override;
    DriverStatus stop_motion(std::int16_t board, std::int16_t axis) override;
    DriverStatus kill_motion(std::int16_t board, std::int16_t axis) override;
    DriverStatus reset_pos(std::int16_t board, std::int16_t axis) override;
    DriverStatus set_stop_mode(std::int16_t board, std::int16_t axis, std::int16_t mode) override;
    DriverStatus set_pos_mode(std::int16_t board, std::int16_t axis, std::int16_t mode) override;
    DriverStatus set_direction(std::int16_t board, std::int16_t axis, std::int16_t direction) override;
    DriverStatus set_loop_mode(std::int16_t board, std::int16_t axis, std::int16_t mode) override;
    DriverStatus set_scale_seq(std::int16_t board, std::int16_t axis, std::int16_t sequence) override;
    DriverStatus load_target_pos(std::int16_t board, std::int16_t axis, std::int32_t position) override;
    DriverStatus load_vel(std::int16_t board, std::int16_t axis, std::int32_t velocity) override;
    DriverStatus load_accel(std::int16_t board, std::int16_t axis, std::int32_t acceleration) override;
    DriverStatus load_accel_fact(std::int16_t board, std::int16_t axis, std::int16_t factor) override;
    DriverStatus set_base_vel(std::int16_t board, std::int16_t axis, std::int16_t velocity) override;
    DriverStatus load_vel_change(std::int16_t board, std::int16_t axis, std::int16_t change) override;
    DriverStatus load_rpm(std::int16_t board, std::int16_t axis, double rpm) override;
    DriverStatus load_rpsps(std::int16_t board, std::int16_t axis, double rpsps) override;
    DriverStatus load_time_brk(std::int16_t board, std::int16_t axis, std::int32_t time) override;
    DriverStatus in_pos(std::int16_t board, std::int16_t axis, std::int32_t position, std::int32_t deadband,
                        std::int32_t& result) override;
    DriverStatus read_pos(std::int16_t board, std::int16_t axis, std::int32_t& position) override;
    DriverStatus read_encoder(std::int16_t board, std::int16_t axis, std::int32_t& position) override;
    DriverStatus read_steps_vel(std::int16_t board, std::int16_t axis, std::int32_t& stepsPerSecond) override;
    DriverStatus read_vel(std::int16_t board, std::int16_t axis, std::int16_t& velocity) override;
    DriverStatus read_rpm(std::int16_t board, std::int16_t axis, double& rpm) override;
    DriverStatus read_axis_stat(std::int16_t board, std::int16_t axis, std::int16_t& status) override;
    DriverStatus read_csr(std::int16_t board, std::int16_t& commStatus) override;
    DriverStatus read_io_port(std::int16_t board, std::int16_t& ioPort) override;
    DriverStatus read_lim_stat(std::int16_t board, std::int16_t& limitWord) override;
    DriverStatus read_gpio(std::int16_t board, std::int32_t& auxIo) override;
    DriverStatus read_adc(std::int16_t board, std::int16_t channel, std::int16_t& value) override;
    DriverStatus get_motion_board_name(std::int16_t board, std::span<char> name, std::int32_t& length) override;
    DriverStatus get_motion_board_info(std::int16_t board, std::int16_t attribute, std::int32_t& value) override;
    DriverStatus load_prop_gain(std::int16_t board, std::int16_t axis, std::int16_t gain) override;
    DriverStatus load_intg_gain(std::int16_t board, std::int16_t axis, std::int16_t gain) override;
    DriverStatus load_deriv_gain(std::int16_t board, std::int16_t axis, std::int16_t gain) override;
    DriverStatus load_deriv_per(std::int16_t board, std::int16_t axis, std::int16_t period) override;
    DriverStatus load_intg_lim(std::int16_t board, std::int16_t axis, std::int16_t limit) override;
    DriverStatus load_fol_err(std::int16_t board, std::int16_t axis, std::int32_t counts) override;
    DriverStatus master_slave_cfg(std::int16_t board, std::int16_t axis, std::int32_t mode) override;
    DriverStatus load_pos_ref(std::int16_t board, std::int16_t axis, std::int32_t offset) override;
    DriverStatus load_pos_scale(std::int16_t board, std::int16_t axis, std::int32_t scale) override;
    DriverStatus store_steps_rev(std::int16_t board, std::int16_t axis, std::int16_t steps) override;
    DriverStatus load_steps_lines(std::int16_t board, std::int16_t axis, std::int32_t linesAndSteps) override;
    DriverStatus store_elc(std::int16_t board, std::int16_t axis, std::int16_t lines) override;
    DriverStatus load_rot_counts(std::int16_t board, std::int16_t axis, std::int32_t counts) override;
    DriverStatus find_home(std::int16_t board, std::int16_t axis, std::int16_t direction) override;
    DriverStatus find_index(std::int16_t board, std::int16_t axis, std::int16_t direction, std::int16_t offset,
                            std::int16_t& found) override;
    DriverStatus set_io_output(std::int16_t board, std::int16_t ioPort) override;
    DriverStatus set_gpio(std::int16_t board, std::int32_t auxIo) override;
    DriverStatus set_portc_dir(std::int16_t board, std::int16_t code) override;
    DriverStatus begin_prestore(std::int16_t board, std::int16_t trigger) override;
    DriverStatus end_prestore(std::int16_t board) override;
    DriverStatus trig_buff_delim(std::int16_t board) override;
    DriverStatus trigger_io(std::int16_t board, std::int16_t port) override;
    DriverStatus enable_io_trig(std::int16_t board, std::int16_t triggerMap) override;
    DriverStatus enable_brk(std::int16_t board, std::int16_t axis, std::int16_t mode) override;
    DriverStatus load_break_mod(std::int16_t board, std::int16_t axis, std::int32_t modulus) override;
    DriverStatus load_pos_brk(std::int16_t board, std::int16_t axis, std::int32_t position) override;
    DriverStatus enable_pos_trig(std::int16_t board, std::int16_t axis, std::int16_t link) override;
    DriverStatus read_pos_rdb(std::int16_t board, std::int16_t axis) override;
    DriverStatus read_vel_rdb(std::int16_t board, std::int16_t axis) override;
    DriverStatus read_axis_stat_rdb(std::int16_t board, std::int16_t axis) override;
    DriverStatus read_io_port_rdb(std::int16_t board) override;
    DriverStatus read_lim_stat_rdb(std::int16_t board) override;
    DriverStatus read_encoder_rdb(std::int16_t board, std::int16_t axis) override;
    DriverStatus flush_rdb(std::int16_t board) override;
    DriverStatus read_rdb(std::int16_t board, std::int16_t& count, std::span<std::int16_t> axes,
                          std::span<std::int16_t> commands, std::span<std::int32_t> data) override;
    DriverStatus send_command(std::int16_t board, std::int16_t axis, std::int16_t command, std::int16_t wordCount,
                              std::int32_t data) override;

private:
    template <EntryName Name, typename... Params, typename... Args>
    DriverStatus record(DriverStatus (MotionDriver::*entry)(Params...), Args... args);
    // Makes room for one more call.
    void dropOldest();

    std::unique_ptr<MotionDriver> owned_;
    MotionDriver& inner_;
    const Clock& clock_;
    InjectionRules rules_;
    std::vector<CallRecord> calls_;
    std::size_t mark_ = 0;
    std::size_t logLimit_ = kDefaultCallLogLimit;
    std::size_t dropped_ = 0;
};

} // namespace tarvik
