#include "commands/io/BoardInfoText.h"

#include "base/NumberText.h"
#include "driver/BoardInfoAttributes.h"

#include <array>

namespace tarvik {

namespace {

constexpr std::array kRows{
    InfoAttributeRow{"Board Family", kInfoFamily, InfoShown::Family},
    InfoAttributeRow{"Number Of Axes", kInfoAxisCount, InfoShown::Number},
    InfoAttributeRow{"Bus Type", kInfoBus, InfoShown::Bus},
    InfoAttributeRow{"Board Type", kInfoBoardType, InfoShown::Number},
    InfoAttributeRow{"Ostrel Board Class", kInfoBoardClass, InfoShown::BoardClass},
    InfoAttributeRow{"Closed-Loop Capable", kInfoClosedLoopCapable, InfoShown::YesNo},
};

// The text of a value that names one of `names` by its index.
template <std::size_t N>
std::string named(const std::array<std::string_view, N>& names, std::int32_t value)
{
    if (value < 0 || static_cast<std::size_t>(value) >= N) return std::string(kInternalErrorText);
    return std::string(names[static_cast<std::size_t>(value)]);
}

} // namespace

std::span<const InfoAttributeRow> infoAttributeRows() { return kRows; }

std::string infoValueText(const InfoAttributeRow& row, std::int32_t value)
{
    switch (row.shown) {
    case InfoShown::Family: return value == 1 ? "Ostrel" : "Brevan";
    case InfoShown::Number: return strTrimmed(value);
    case InfoShown::Bus: return named(std::array<std::string_view, 3>{"ISA Bus", "PCI Bus", "PXI Bus"}, value);
    case InfoShown::BoardClass:
        return named(std::array<std::string_view, 3>{"Servo", "Open-Loop Stepper", "Closed-Loop Stepper"}, value);
    case InfoShown::YesNo: return named(std::array<std::string_view, 2>{"No", "Yes"}, value);
    }
    return std::string(kInternalErrorText);
}

} // namespace tarvik
