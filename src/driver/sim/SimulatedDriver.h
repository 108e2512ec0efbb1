#pragma once

#include "base/Clock.h"
#include "driver/MotionDriver.h"
#include "driver/StatusText.h"
#include "driver/sim/BoardAcceptance.h"
#include "driver/sim/BoardConfigFile.h"
#include "driver/sim/SimBoard.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarvik::sim {

// The program's default driver: simulated boards whose axes move on the clock. Nothing runs in
// the background; every call works out the state of the boards at the clock's present time.
// Each call first lets `callCost` microseconds of the clock pass, so that loops which poll the
// driver without letting events run see time go by (tests use a fixed slice, the program 0).
class SimulatedDriver final : public MotionDriver {
public:
    // Boards from the board configuration file in the working directory (built-in set if none).
    explicit SimulatedDriver(Clock& clock);
    // Boards as read from a configuration file (readBoardConfigFile), its error included.
    SimulatedDriver(Clock& clock, const BoardConfig& config);
    // Boards as listed; boards with IDs outside 0..31 are left out.
    SimulatedDriver(Clock& clock, const std::vector<SimBoardSpec>& boards);
    SimulatedDriver(const SimulatedDriver&) = delete;
    SimulatedDriver& operator=(const SimulatedDriver&) = delete;

    bool simulated() const override { return true; }
    // Why the board configuration could not be read ("<file>, line N: <problem>"); empty when
    // it was good. While it is not empty, get_bd_config fails.
    std::string configurationError() const override { return configurationError_; }
    void setCallCost(std::int64_t micros) { callCost_ = micros; }

    // The simulated machine, for tests and scripts. Positions are table counts (what the axis
    // reports until its position is reset). Each returns false for a board or axis that does
    // not exist, and costs no time.
    bool setHomeSwitch(std::int16_t board, std::int16_t axis, std::int32_t position);
    bool setLimitSwitches(std::int16_t board, std::int16_t axis, std::int32_t reverse, std::int32_t forward);
    bool setIndexPresent(std::int16_t board, std::int16_t axis, bool present);
    // Index pulses at `offset` plus whole revolutions (0 at first).
    bool setIndexOffset(std::int16_t board, std::int16_t axis, std::int32_t offset);
    // An encoder board's axis counts `countsPerSecond` from now on, as if the machine turned it
    // (0 holds it); false also for an axis of any other board, whose board moves it.
    bool setEncoderRate(std::int16_t board, std::int16_t axis, std::int32_t countsPerSecond);
    // The next move of the axis ends in a following error.
    bool failNextMove(std::int16_t board, std::int16_t axis);
    // The move the axis runs at clock time `atMicros` ends then with `event` (SimAxis::stopAt).
    bool stopAt(std::int16_t board, std::int16_t axis, std::int64_t atMicros, StopEvent event);
    // read_rpm and read_steps_vel of the axis hand back these readings in turn (RPM or steps/s)
    // before they measure the velocity again.
    bool scriptVelocityReadings(std::int16_t board, std::int16_t axis, std::vector<double> readings);
    bool setIoInputs(std::int16_t board, std::int16_t levels);
    // Port A (bits 0..7) and, while port C is an input, port C (bits 16..23).
    bool setAuxInputs(std::int16_t board, std::int32_t levels);
    bool setAdcValue(std::int16_t board, std::int16_t channel, std::int16_t value);

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
    // Result is kInPosition when the position the axis reports lies within `deadband` counts of
    // `position` (both ends included), else kNotInPosition. The difference is taken in 64 bits,
    // so every 32-bit position and deadband is compared as it is; a negative deadband holds no
    // position. Servo, closed-loop stepper and encoder axes.
    DriverStatus in_pos(std::int16_t board, std::int16_t axis, std::int32_t position, std::int32_t deadband,
                        std::int32_t& result) override;
    static constexpr std::int32_t kInPosition = 1;
    static constexpr std::int32_t kNotInPosition = 0;
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
    // A read leaves the board as it was, also when it is refused. A refused command sets the
    // board's command error flag; an accepted one clears it and the power-on flag.
    enum class CallKind { Command, Read };
    using AxisCommand = std::function<DriverStatus(std::int64_t now)>;

    void loadBoards(const std::vector<SimBoardSpec>& boards);
    SimBoard* findBoard(std::int16_t id);
    SimAxis* machineAxis(std::int16_t board, std::int16_t axis);
    bool changeSwitches(std::int16_t board, std::int16_t axis, const std::function<void(AxisSwitches&)>& change);
    void spendCallCost();
    DriverStatus finishCall(SimBoard& board, CallKind kind, DriverStatus status);
    // Carries out `command` now, or keeps it in the trigger buffer while a prestore is on.
    DriverStatus runOrPrestore(SimBoard& board, std::int64_t now, const AxisCommand& command);
    DriverStatus pushPacket(SimBoard& board, std::int16_t axis, std::int16_t command, std::int32_t data);

    // Runs `action(board, now)` for the entry point `entry` on an existing board whose class
    // takes it (BoardAcceptance).
    template <class Action>
    DriverStatus onBoard(std::int16_t id, EntryPointId entry, CallKind kind, Action&& action)
    {
        spendCallCost();
        SimBoard* board = findBoard(id);
        if (board == nullptr) return ZEVA_badDeviceOrAxisError;
        const std::int64_t now = clock_.nowMicros();
        board->settle(now);
        DriverStatus status = refusal(entry, board->kind());
        if (status == ZEVA_noError) status = action(*board, now);
        return finishCall(*board, kind, status);
    }

    // The same for `action(board, axis, now)` on an existing axis of the board.
    template <class Action>
    DriverStatus onAxis(std::int16_t id, std::int16_t axisNumber, EntryPointId entry, CallKind kind, Action&& action)
    {
        return onBoard(id, entry, kind, [&](SimBoard& board, std::int64_t now) -> DriverStatus {
            SimAxis* axis = board.axis(axisNumber);
            if (axis == nullptr) return ZEVA_badDeviceOrAxisError;
            return action(board, *axis, now);
        });
    }

    Clock& clock_;
    std::int64_t callCost_ = 0;
    int rawCommandDepth_ = 0; // the calls a raw command stands for cost no extra time
    std::string configurationError_;
    std::vector<std::unique_ptr<SimBoard>> boards_; // by board ID
};

} // namespace tarvik::sim

namespace tarvik {
// The simulated boards are the program's default driver.
using sim::kBoardConfigFileName;
using sim::SimBoardSpec;
using sim::SimulatedDriver;
} // namespace tarvik
