#pragma once

#include <cstdint>

// Bit layouts of the words the boards report and value codes the entry points take.
// Bit constants are unsigned; the driver hands the words over as 16-bit signed integers, so
// test them with `(word & Bit) != 0` or the helpers below.
namespace tarvik {

// ---- AxisStatus: the per-axis word of read_axis_stat ----
inline constexpr std::uint16_t AxisStatusLimitSwitch = 0x0001;
inline constexpr std::uint16_t AxisStatusHomeSwitch = 0x0002;
inline constexpr std::uint16_t AxisStatusMotorOff = 0x0004;
inline constexpr std::uint16_t AxisStatusIndexFound = 0x0008; // 4-axis boards
inline constexpr std::uint16_t AxisStatusWraparound = 0x0010;
inline constexpr std::uint16_t AxisStatusPositionError = 0x0020; // following error
inline constexpr std::uint16_t AxisStatusRunning = 0x0080;
inline constexpr std::uint16_t AxisStatusProfileComplete = 0x0400;
inline constexpr std::uint16_t AxisStatusVelocityMode = 0x0800; // servo boards
inline constexpr std::uint16_t AxisStatusForward = 0x1000;
inline constexpr std::uint16_t AxisStatusLastCmdNotExecuted = 0x2000; // 4-axis boards

constexpr bool hasBits(std::int16_t word, std::uint16_t bits) {
    return (static_cast<std::uint16_t>(word) & bits) != 0;
}

// A move has ended: profile complete or motor off, and no longer running.
constexpr bool AxisMoveDone(std::int16_t status) {
    return hasBits(status, AxisStatusProfileComplete | AxisStatusMotorOff) && !hasBits(status, AxisStatusRunning);
}

// ---- CommStatus: the communication status register of read_csr ----
// Wide layout (16 bits) of the 2- and 4-axis boards; these names are what the waits use.
inline constexpr std::uint16_t CsrReadyToReceive = 0x0001;
inline constexpr std::uint16_t CsrReturnDataPending = 0x0002;
inline constexpr std::uint16_t CsrCommandInProcess = 0x0008;
inline constexpr std::uint16_t CsrCommandError = 0x0010;
inline constexpr std::uint16_t CsrPowerOnReset = 0x0020;
inline constexpr std::uint16_t CsrHardwareFailure = 0x0040;
inline constexpr std::uint16_t CsrLastCmdNotExecuted = 0x0080;

// The three forms of the register. A bit a layout lacks is 0; an axis outside a layout's
// per-axis range gives 0.
struct CsrLayout {
    std::uint16_t readyToReceive;
    std::uint16_t returnDataPending;
    std::uint16_t commandInProcess;
    std::uint16_t commandError;
    std::uint16_t powerOnReset;
    std::uint16_t hardwareFailure;
    std::uint16_t lastCmdNotExecuted;
    std::uint16_t axisRunningFirst; // bit of axis 1; axis a is this shifted left by a-1
    int runningAxes;
    std::uint16_t axisMoveCompleteFirst;
    int moveCompleteAxes;

    constexpr std::uint16_t axisRunning(int axis) const { return axisBit(axisRunningFirst, runningAxes, axis); }
    constexpr std::uint16_t axisMoveComplete(int axis) const {
        return axisBit(axisMoveCompleteFirst, moveCompleteAxes, axis);
    }

private:
    static constexpr std::uint16_t axisBit(std::uint16_t first, int axes, int axis) {
        return axis >= 1 && axis <= axes ? static_cast<std::uint16_t>(first << (axis - 1)) : std::uint16_t{0};
    }
};

// 2- and 4-axis servo and stepper boards.
inline constexpr CsrLayout CsrWideLayout{CsrReadyToReceive, CsrReturnDataPending, CsrCommandInProcess,
                                         CsrCommandError,   CsrPowerOnReset,      CsrHardwareFailure,
                                         CsrLastCmdNotExecuted, 0x0100, 4, 0x1000, 4};
// Encoder boards: the wide layout's low byte only.
inline constexpr CsrLayout CsrEncoderLayout{CsrReadyToReceive, CsrReturnDataPending, CsrCommandInProcess,
                                            CsrCommandError,   CsrPowerOnReset,      CsrHardwareFailure,
                                            CsrLastCmdNotExecuted, 0, 0, 0, 0};
// 3-axis boards (8 bits).
inline constexpr CsrLayout CsrNarrowLayout{0x01, 0x02, 0, 0x04, 0x08, 0x10, 0, 0x20, 3, 0, 0};

// Per-axis bits of the wide layout (axes 1 to 4).
constexpr std::uint16_t CsrAxisRunning(int axis) { return CsrWideLayout.axisRunning(axis); }
constexpr std::uint16_t CsrAxisMoveComplete(int axis) { return CsrWideLayout.axisMoveComplete(axis); }

// The layout of a board's register by its type code: narrow on the 3-axis boards, the encoder
// layout on the encoder boards, wide on every other code (codes the board table lacks included).
const CsrLayout& csrLayoutOfType(int typeCode);

// ---- LimitWord: read_lim_stat, set_lim_pol and enable_limits ----
// On a board of `axisCount` axes, axis 1 holds the highest pair and home bit, the last axis
// bits 0 and 1 and home bit 8. Axes outside 1..axisCount give 0.
constexpr std::uint16_t LimitReverse(int axis, int axisCount) {
    return axis >= 1 && axis <= axisCount ? static_cast<std::uint16_t>(1u << (2 * (axisCount - axis))) : std::uint16_t{0};
}
constexpr std::uint16_t LimitForward(int axis, int axisCount) {
    return axis >= 1 && axis <= axisCount ? static_cast<std::uint16_t>(2u << (2 * (axisCount - axis))) : std::uint16_t{0};
}
constexpr std::uint16_t LimitHome(int axis, int axisCount) {
    return axis >= 1 && axis <= axisCount ? static_cast<std::uint16_t>(0x100u << (axisCount - axis)) : std::uint16_t{0};
}

// ---- Value codes ----
inline constexpr std::int16_t PosModeAbsolute = 0;
inline constexpr std::int16_t PosModeRelative = 255;
inline constexpr std::int16_t PosModeVelocity = -256;

inline constexpr std::int16_t StopModeDecel = 1;
inline constexpr std::int16_t StopModeHalt = 2;
inline constexpr std::int16_t StopModeKill = 3;

inline constexpr std::int16_t DirectionForward = 0;
inline constexpr std::int16_t DirectionReverse = -1;

inline constexpr std::int16_t LoopModeOpen = 0;
inline constexpr std::int16_t LoopModeClosed = -1;

inline constexpr std::int16_t BreakModeAbsolute = 0;
inline constexpr std::int16_t BreakModeRelative = -1;

} // namespace tarvik
