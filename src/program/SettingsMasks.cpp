#include "program/SettingsMasks.h"

#include <type_traits>

namespace tarvik {

namespace {

// Which of an axis' three limit inputs a word marks.
struct LimitInputs {
    bool reverse;
    bool forward;
    bool home;
};

// Builds a limit word from what `select` (axis sub-record -> LimitInputs) marks per axis.
template <class Select>
std::int16_t buildLimitWord(const SettingsTables& tables, int typeCode, int boardId, Select select)
{
    const int axes = axisCountOf(typeCode).value_or(0);
    unsigned word = 0;
    visitRecord(tables, typeCode, boardId, [&](const auto& record) {
        for (int a = 1; a <= axes; ++a) {
            const auto* axis = record.axis(a);
            if (axis == nullptr) {
                continue;
            }
            const LimitInputs marked = select(*axis);
            const int shift = axes - a;
            word |= (marked.reverse ? 1u : 0u) << (2 * shift);
            word |= (marked.forward ? 1u : 0u) << (2 * shift + 1);
            word |= (marked.home ? 1u : 0u) << (8 + shift);
        }
    });
    return static_cast<std::int16_t>(word);
}

} // namespace

std::int16_t BuildLimitPolarityMask(const SettingsTables& tables, int typeCode, int boardId)
{
    return buildLimitWord(tables, typeCode, boardId, [](const auto& axis) {
        return LimitInputs{axis.ReverseLimitInverted != 0, axis.ForwardLimitInverted != 0, axis.HomeInverted != 0};
    });
}

std::int16_t BuildLimitEnableMask(const SettingsTables& tables, int typeCode, int boardId)
{
    return buildLimitWord(tables, typeCode, boardId, [](const auto& axis) {
        const int bits = axis.LimitEnableBits;
        return LimitInputs{(bits & LimitEnableReverse) != 0, (bits & LimitEnableForward) != 0,
                           (bits & LimitEnableHome) != 0};
    });
}

std::int16_t BuildIoPolarityMask(const SettingsTables& tables, int typeCode, int boardId)
{
    const int bits = ioBitCountOf(typeCode);
    unsigned word = 0;
    visitRecord(tables, typeCode, boardId, [&](const auto& record) {
        for (int k = 1; k <= bits && k <= static_cast<int>(record.IoInput.size()); ++k) {
            const auto entry = static_cast<std::size_t>(k - 1);
            if (record.IoInput[entry] != 0) {
                word |= 1u << (k - 1);
            }
            if (record.IoInverted[entry] != 0) {
                word |= 1u << (8 + k - 1);
            }
        }
    });
    return static_cast<std::int16_t>(word);
}

std::int16_t StepModeWord(bool stepDir, bool outputInverted, bool inhibitInverted)
{
    return static_cast<std::int16_t>((stepDir ? 1 : 0) + (outputInverted ? 2 : 0) + (inhibitInverted ? 4 : 0));
}

std::optional<std::int16_t> StepModeWordOf(const SettingsTables& tables, int typeCode, int boardId)
{
    const bool countNonZero = classOf(typeCode) == BoardClass::ClosedLoopStepper;
    const auto isSet = [countNonZero](std::int16_t field) { return countNonZero ? field != 0 : field == -1; };
    std::optional<std::int16_t> word;
    visitRecord(tables, typeCode, boardId, [&](const auto& record) {
        if constexpr (StepperRecord<std::remove_cvref_t<decltype(record)>>) {
            word = StepModeWord(isSet(record.StepDirMode), isSet(record.OutputInverted), isSet(record.InhibitInverted));
        }
    });
    return word;
}

} // namespace tarvik
