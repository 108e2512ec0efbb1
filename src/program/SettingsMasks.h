#pragma once

#include <cstdint>
#include <optional>

#include "program/SettingsTables.h"

namespace tarvik {

// The words the initialisation sequences and set-up dialogs send, built from a board's
// settings record. A board whose type code has no group (or an ID outside 0..7) gives 0.

// `set_lim_pol` word: per axis a of N (3 or 4), bit 2(N-a) reverse, 2(N-a)+1 forward and
// 8+(N-a) home, each set when that input is inverting.
std::int16_t BuildLimitPolarityMask(const SettingsTables& tables, int typeCode, int boardId);

// `enable_limits` word: the same bits, set when `LimitEnableBits` enables that input.
std::int16_t BuildLimitEnableMask(const SettingsTables& tables, int typeCode, int boardId);

// `set_io_pol` word: per I/O bit k of the group, bit k-1 when it is an input and bit 8+k-1
// when it is inverting.
std::int16_t BuildIoPolarityMask(const SettingsTables& tables, int typeCode, int boardId);

// `set_step_mode_pol` word: 1 step-and-direction outputs, 2 step outputs inverting, 4 inhibit
// output inverting.
std::int16_t StepModeWord(bool stepDir, bool outputInverted, bool inhibitInverted);

// The step-output word of a stepper board's record, none for other boards. The closed-loop
// sequences count a field as set when it is non-zero, the open-loop ones only when it is -1.
std::optional<std::int16_t> StepModeWordOf(const SettingsTables& tables, int typeCode, int boardId);

} // namespace tarvik
