#pragma once

#include "driver/sim/BoardConfigFile.h"
#include "driver/sim/BoardKind.h"
#include "driver/sim/ReturnDataBuffer.h"
#include "driver/sim/SimAxis.h"
#include "driver/sim/TriggerBuffers.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tarvik::sim {

// Board-wide values the program sets and reads back, and the inputs the simulated machine
// presents.
struct BoardRegisters {
    std::int16_t limitPolarity = 0;
    std::int16_t ioConfig = 0x00FF; // low byte: bits set are inputs; high byte: inverted bits
    std::int16_t ioOutputs = 0;
    std::int16_t ioInputs = 0; // levels of the I/O bits set as inputs
    std::int16_t stepModeWord = 0;
    std::int16_t ioTriggerMap = 0;
    std::int32_t auxOutputs = 0; // ports B and C as last set
    std::int32_t auxInputs = 0;  // levels of port A and of port C when it is an input
    bool portCInput = false;
    std::array<std::int16_t, 8> adc{};
};

// One simulated board: its axes, registers, Return Data Buffer and trigger buffers.
class SimBoard {
public:
    explicit SimBoard(const SimBoardSpec& setup);

    const SimBoardSpec& setup() const { return setup_; }
    const BoardKind& kind() const { return kind_; }
    // The name given in the board configuration, else "Board <id>".
    std::string name() const;
    int axisCount() const { return kind_.axisCount; }
    // Axis 1..axisCount(), else null.
    SimAxis* axis(int number);
    void settle(std::int64_t now);
    // The status word of one of its axes as the board reports it: on 4-axis boards it also
    // carries Last Command Not Executed while the board's last command was refused.
    std::int16_t axisStatus(const SimAxis& axis) const;

    BoardRegisters registers;
    ReturnDataBuffer rdb;
    TriggerBuffers triggers;
    bool commandError = false; // the last command was refused (cleared by the next accepted one)
    bool powerOnReset = true;  // no command has been accepted since power-on

    // Switches the limit inputs of the axes on and off (home bits have no effect on moves).
    void setLimitEnable(std::int16_t mask, std::int64_t now);
    std::int16_t limitMask() const;
    std::int16_t limitWord(std::int64_t now) const;
    std::int16_t commStatus() const;
    int ioBitCount() const { return ioPortBitCountOf(kind_.typeCode); }
    std::int16_t ioPort() const;
    std::int32_t auxWord() const;

private:
    SimBoardSpec setup_;
    BoardKind kind_;
    std::vector<SimAxis> axes_;
};

} // namespace tarvik::sim
