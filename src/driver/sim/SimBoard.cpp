#include "driver/sim/SimBoard.h"

#include "driver/StatusWords.h"

#include <cmath>

namespace tarvik::sim {

namespace {
constexpr std::int32_t kAuxPortA = 0x0000FF;
constexpr std::int32_t kAuxPortB = 0x00FF00;
constexpr std::int32_t kAuxPortC = 0xFF0000;
constexpr std::int32_t kAuxPortCIsInput = 0x01000000;
} // namespace

SimBoard::SimBoard(const SimBoardSpec& setup) : setup_(setup), kind_(boardKindOfType(setup.typeCode))
{
    axes_.assign(static_cast<std::size_t>(kind_.axisCount), SimAxis(kind_.boardClass));
}

std::string SimBoard::name() const { return setup_.name.empty() ? "Board " + std::to_string(setup_.id) : setup_.name; }

SimAxis* SimBoard::axis(int number)
{
    if (number < 1 || number > axisCount()) return nullptr;
    return &axes_[static_cast<std::size_t>(number - 1)];
}

void SimBoard::settle(std::int64_t now)
{
    for (SimAxis& axis : axes_)
        axis.settle(now);
}

std::int16_t SimBoard::axisStatus(const SimAxis& axis) const
{
    std::uint16_t word = static_cast<std::uint16_t>(axis.status());
    if (commandError && !kind_.threeAxis()) word |= AxisStatusLastCmdNotExecuted;
    return static_cast<std::int16_t>(word);
}

std::int16_t SimBoard::limitMask() const
{
    unsigned mask = 0;
    for (int a = 1; a <= axisCount(); ++a)
        mask |= LimitReverse(a, axisCount()) | LimitForward(a, axisCount()) | LimitHome(a, axisCount());
    return static_cast<std::int16_t>(mask);
}

void SimBoard::setLimitEnable(std::int16_t mask, std::int64_t now)
{
    for (int a = 1; a <= axisCount(); ++a)
        axis(a)->setLimitsEnabled(hasBits(mask, LimitReverse(a, axisCount())),
                                  hasBits(mask, LimitForward(a, axisCount())), now);
}

std::int16_t SimBoard::limitWord(std::int64_t now) const
{
    std::uint16_t word = 0;
    for (int a = 1; a <= axisCount(); ++a) {
        const SimAxis& axis = axes_[static_cast<std::size_t>(a - 1)];
        const double at = axis.tablePosition(now);
        const AxisSwitches& switches = axis.switches();
        if (at <= switches.reverseLimit) word |= LimitReverse(a, axisCount());
        if (at >= switches.forwardLimit) word |= LimitForward(a, axisCount());
        if (std::abs(at - switches.home) <= kHomeSwitchWidth) word |= LimitHome(a, axisCount());
    }
    return static_cast<std::int16_t>(word);
}

std::int16_t SimBoard::commStatus() const
{
    const CsrLayout& layout = csrLayoutOfType(kind_.typeCode);
    std::uint16_t word = layout.readyToReceive;
    if (!rdb.empty()) word |= layout.returnDataPending;
    if (commandError) word |= layout.commandError;
    if (powerOnReset) word |= layout.powerOnReset;
    for (int a = 1; a <= axisCount(); ++a) {
        const SimAxis& axis = axes_[static_cast<std::size_t>(a - 1)];
        if (axis.running()) word |= layout.axisRunning(a);
        if (axis.moveDone()) word |= layout.axisMoveComplete(a);
    }
    return static_cast<std::int16_t>(word);
}

std::int16_t SimBoard::ioPort() const
{
    const int inputs = registers.ioConfig & 0xFF;
    const int value = (registers.ioOutputs & ~inputs) | (registers.ioInputs & inputs);
    return static_cast<std::int16_t>(value & ((1 << ioBitCount()) - 1));
}

std::int32_t SimBoard::auxWord() const
{
    std::int32_t word = (registers.auxInputs & kAuxPortA) | (registers.auxOutputs & kAuxPortB);
    if (registers.portCInput)
        word |= (registers.auxInputs & kAuxPortC) | kAuxPortCIsInput;
    else
        word |= registers.auxOutputs & kAuxPortC;
    return word;
}

} // namespace tarvik::sim
