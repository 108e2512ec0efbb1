#include "driver/sim/SimulatedDriver.h"

#include "driver/sim/RawCommand.h"

#include <algorithm>

namespace tarvik::sim {

SimulatedDriver::SimulatedDriver(Clock& clock)
    : SimulatedDriver(clock, readBoardConfigFile(std::filesystem::path(kBoardConfigFileName)))
{}

SimulatedDriver::SimulatedDriver(Clock& clock, const BoardConfig& config)
    : clock_(clock), configurationError_(config.error)
{
    loadBoards(config.boards);
}

SimulatedDriver::SimulatedDriver(Clock& clock, const std::vector<SimBoardSpec>& boards) : clock_(clock)
{
    loadBoards(boards);
}

void SimulatedDriver::loadBoards(const std::vector<SimBoardSpec>& boards)
{
    boards_.resize(kHighestBoardId + 1);
    for (const SimBoardSpec& setup : boards)
        if (setup.id >= kLowestBoardId && setup.id <= kHighestBoardId)
            boards_[static_cast<std::size_t>(setup.id)] = std::make_unique<SimBoard>(setup);
}

SimBoard* SimulatedDriver::findBoard(std::int16_t id)
{
    if (id < 0 || id >= static_cast<int>(boards_.size())) return nullptr;
    return boards_[static_cast<std::size_t>(id)].get();
}

SimAxis* SimulatedDriver::machineAxis(std::int16_t board, std::int16_t axis)
{
    SimBoard* found = findBoard(board);
    if (found == nullptr) return nullptr;
    found->settle(clock_.nowMicros());
    return found->axis(axis);
}

void SimulatedDriver::spendCallCost()
{
    if (rawCommandDepth_ == 0) clock_.spend(callCost_);
}

DriverStatus SimulatedDriver::finishCall(SimBoard& board, CallKind kind, DriverStatus status)
{
    if (kind == CallKind::Read) return status;
    board.commandError = status != ZEVA_noError;
    if (status == ZEVA_noError) board.powerOnReset = false;
    return status;
}

DriverStatus SimulatedDriver::runOrPrestore(SimBoard& board, std::int64_t now, const AxisCommand& command)
{
    if (!board.triggers.prestoring()) return command(now);
    return board.triggers.store([&board, command](std::int64_t at) {
        if (command(at) != ZEVA_noError) board.commandError = true;
    });
}

// ---- the simulated machine ----

bool SimulatedDriver::changeSwitches(std::int16_t board, std::int16_t axis,
                                     const std::function<void(AxisSwitches&)>& change)
{
    SimAxis* found = machineAxis(board, axis);
    if (found == nullptr) return false;
    AxisSwitches switches = found->switches();
    change(switches);
    found->changeSwitches(switches, clock_.nowMicros());
    return true;
}

bool SimulatedDriver::setHomeSwitch(std::int16_t board, std::int16_t axis, std::int32_t position)
{
    return changeSwitches(board, axis, [position](AxisSwitches& switches) { switches.home = position; });
}

bool SimulatedDriver::setLimitSwitches(std::int16_t board, std::int16_t axis, std::int32_t reverse,
                                       std::int32_t forward)
{
    return changeSwitches(board, axis, [reverse, forward](AxisSwitches& switches) {
        switches.reverseLimit = reverse;
        switches.forwardLimit = forward;
    });
}

bool SimulatedDriver::setIndexPresent(std::int16_t board, std::int16_t axis, bool present)
{
    return changeSwitches(board, axis, [present](AxisSwitches& switches) { switches.indexPresent = present; });
}

bool SimulatedDriver::setIndexOffset(std::int16_t board, std::int16_t axis, std::int32_t offset)
{
    return changeSwitches(board, axis, [offset](AxisSwitches& switches) { switches.indexOffset = offset; });
}

bool SimulatedDriver::setEncoderRate(std::int16_t board, std::int16_t axis, std::int32_t countsPerSecond)
{
    SimAxis* found = machineAxis(board, axis);
    if (found == nullptr || findBoard(board)->kind().boardClass != BoardClass::Encoder) return false;
    found->turnAt(countsPerSecond, clock_.nowMicros());
    return true;
}

bool SimulatedDriver::failNextMove(std::int16_t board, std::int16_t axis)
{
    SimAxis* found = machineAxis(board, axis);
    if (found == nullptr) return false;
    found->failNextMove();
    return true;
}

bool SimulatedDriver::stopAt(std::int16_t board, std::int16_t axis, std::int64_t atMicros, StopEvent event)
{
    SimAxis* found = machineAxis(board, axis);
    if (found == nullptr) return false;
    // A move that has already ended by now keeps its ending.
    found->settle(clock_.nowMicros());
    found->stopAt(atMicros, event);
    return true;
}

bool SimulatedDriver::scriptVelocityReadings(std::int16_t board, std::int16_t axis, std::vector<double> readings)
{
    SimAxis* found = machineAxis(board, axis);
    if (found == nullptr) return false;
    found->scriptReadings(std::move(readings));
    return true;
}

bool SimulatedDriver::setIoInputs(std::int16_t board, std::int16_t levels)
{
    SimBoard* found = findBoard(board);
    if (found == nullptr) return false;
    found->registers.ioInputs = levels;
    return true;
}

bool SimulatedDriver::setAuxInputs(std::int16_t board, std::int32_t levels)
{
    SimBoard* found = findBoard(board);
    if (found == nullptr) return false;
    found->registers.auxInputs = levels;
    return true;
}

bool SimulatedDriver::setAdcValue(std::int16_t board, std::int16_t channel, std::int16_t value)
{
    SimBoard* found = findBoard(board);
    if (found == nullptr || channel < 1 || channel > static_cast<int>(found->registers.adc.size())) return false;
    found->registers.adc[static_cast<std::size_t>(channel - 1)] = value;
    return true;
}

// ---- configuration and board set-up ----

DriverStatus SimulatedDriver::get_bd_config(std::span<std::int16_t> typeCodes, std::span<std::int16_t> ioAddresses)
{
    spendCallCost();
    if (!configurationError_.empty()) return ZEVA_interfaceUnavailableError;
    const std::size_t entries = std::min({typeCodes.size(), ioAddresses.size(), std::size_t{kBoardConfigEntries}});
    for (std::size_t id = 0; id < entries; ++id) {
        const SimBoard* board = id < boards_.size() ? boards_[id].get() : nullptr;
        typeCodes[id] = board != nullptr ? board->setup().typeCode : std::int16_t{-1};
        ioAddresses[id] = board != nullptr ? board->setup().ioAddress : std::int16_t{0};
    }
    return ZEVA_noError;
}

DriverStatus SimulatedDriver::set_init_stat(std::int16_t board, std::int16_t axis)
{
    return onAxis(board, axis, entryPoint("set_init_stat"), CallKind::Command, [](SimBoard&, SimAxis& a, std::int64_t) {
        a.registers.initialized = true;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::set_lim_pol(std::int16_t board, std::int16_t mask)
{
    return onBoard(board, entryPoint("set_lim_pol"), CallKind::Command, [mask](SimBoard& b, std::int64_t) {
        b.registers.limitPolarity = static_cast<std::int16_t>(mask & b.limitMask());
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::enable_limits(std::int16_t board, std::int16_t mask)
{
    return onBoard(board, entryPoint("enable_limits"), CallKind::Command, [mask](SimBoard& b, std::int64_t now) {
        b.setLimitEnable(mask, now);
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::set_io_pol(std::int16_t board, std::int16_t mask)
{
    return onBoard(board, entryPoint("set_io_pol"), CallKind::Command, [mask](SimBoard& b, std::int64_t) {
        const int bits = (1 << b.ioBitCount()) - 1;
        b.registers.ioConfig = static_cast<std::int16_t>(mask & (bits | bits << 8));
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::set_step_mode_pol(std::int16_t board, std::int16_t word)
{
    return onBoard(board, entryPoint("set_step_mode_pol"), CallKind::Command, [word](SimBoard& b, std::int64_t) {
        if (word < 0 || word > 7) return ZEVA_argumentRangeError;
        b.registers.stepModeWord = word;
        return ZEVA_noError;
    });
}

DriverStatus SimulatedDriver::send_command(std::int16_t board, std::int16_t axis, std::int16_t command,
                                           std::int16_t wordCount, std::int32_t data)
{
    spendCallCost();
    SimBoard* found = findBoard(board);
    if (found == nullptr) return ZEVA_badDeviceOrAxisError;
    ++rawCommandDepth_;
    const DriverStatus status = sendRawCommand(*this, found->kind().stepper(), board, axis, command, wordCount, data);
    --rawCommandDepth_;
    if (status != ZEVA_noError) found->commandError = true;
    return status;
}

} // namespace tarvik::sim
