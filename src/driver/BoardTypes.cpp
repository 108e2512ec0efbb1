#include "driver/BoardTypes.h"

#include <array>

namespace tarvik {

namespace {

using G = BoardGroup;
using C = BoardClass;
using B = BoardBus;

// A board model the program handles.
constexpr BoardTypeInfo model(std::string_view name, G group, C boardClass, B bus, int modelAxes)
{
    const int addressed = (group == G::Servo3 || group == G::OpenLoop3 || group == G::ClosedLoop3) ? 3 : 4;
    return {name, group, boardClass, bus, modelAxes, addressed};
}

// A type code the driver may report but the program does not handle. Code 10 is still
// addressed with four axes by the command dialogs; the others have no known axis count.
constexpr BoardTypeInfo unsupported(std::string_view name, std::optional<int> addressedAxes = std::nullopt)
{
    return {name, std::nullopt, std::nullopt, std::nullopt, 0, addressedAxes};
}

// Indexed by type code + 1.
constexpr std::array<BoardTypeInfo, kHighestTypeCode - kLowestTypeCode + 1> kBoardTypes{{
    unsupported("No Board"),                                                                 // -1
    model("3-Axis Servo Board, ISA", G::Servo3, C::Servo, B::Isa, 3),                        // 0
    model("3-Axis Open-Loop Stepper Board, ISA", G::OpenLoop3, C::OpenLoopStepper, B::Isa, 3),
    model("3-Axis Closed-Loop Stepper Board, ISA", G::ClosedLoop3, C::ClosedLoopStepper, B::Isa, 3),
    model("4-Axis Servo Board, ISA", G::Servo4, C::Servo, B::Isa, 4),                        // 3
    model("4-Axis Open-Loop Stepper Board, ISA", G::OpenLoop4, C::OpenLoopStepper, B::Isa, 4),
    model("4-Axis Closed-Loop Stepper Board, ISA", G::ClosedLoop4, C::ClosedLoopStepper, B::Isa, 4),
    model("4-Axis Encoder Board, ISA", G::Encoder, C::Encoder, B::Isa, 4),                   // 6
    model("2-Axis Servo Board, ISA", G::Servo4, C::Servo, B::Isa, 2),
    model("2-Axis Open-Loop Stepper Board, ISA", G::OpenLoop4, C::OpenLoopStepper, B::Isa, 2),
    model("2-Axis Closed-Loop Stepper Board, ISA", G::ClosedLoop4, C::ClosedLoopStepper, B::Isa, 2),
    unsupported("Unsupported Board Type 10", 4),                                             // 10
    model("4-Axis Servo Board, PCI", G::Servo4, C::Servo, B::Pci, 4),
    model("4-Axis Open-Loop Stepper Board, PCI", G::OpenLoop4, C::OpenLoopStepper, B::Pci, 4),
    model("4-Axis Closed-Loop Stepper Board, PCI", G::ClosedLoop4, C::ClosedLoopStepper, B::Pci, 4),
    model("4-Axis Encoder Board, PCI", G::Encoder, C::Encoder, B::Pci, 4),                   // 14
    unsupported("Unsupported Board Type 15"),
    unsupported("Unsupported Board Type 16"),
    model("2-Axis Servo Board, PCI", G::Servo4, C::Servo, B::Pci, 2),                        // 17
    model("2-Axis Open-Loop Stepper Board, PCI", G::OpenLoop4, C::OpenLoopStepper, B::Pci, 2),
    model("2-Axis Closed-Loop Stepper Board, PCI", G::ClosedLoop4, C::ClosedLoopStepper, B::Pci, 2),
    model("4-Axis Open-Loop Stepper Board, PXI", G::OpenLoop4, C::OpenLoopStepper, B::Pxi, 4), // 20
    model("4-Axis Closed-Loop Stepper Board, PXI", G::ClosedLoop4, C::ClosedLoopStepper, B::Pxi, 4),
    model("2-Axis Open-Loop Stepper Board, PXI", G::OpenLoop4, C::OpenLoopStepper, B::Pxi, 2),
    model("2-Axis Closed-Loop Stepper Board, PXI", G::ClosedLoop4, C::ClosedLoopStepper, B::Pxi, 2),
    unsupported("Unsupported Board Type 24"),                                                // 24
    model("4-Axis Servo Board, PXI", G::Servo4, C::Servo, B::Pxi, 4),
    model("2-Axis Servo Board, PXI", G::Servo4, C::Servo, B::Pxi, 2),
    unsupported("Unsupported Board Type 27"),
    unsupported("Unsupported Board Type 28"),
    model("4-Axis Closed-Loop Stepper Board, PCI Low Profile", G::ClosedLoop4, C::ClosedLoopStepper, B::Pci, 4), // 29
    model("4-Axis Open-Loop Stepper Board, PCI Low Profile", G::OpenLoop4, C::OpenLoopStepper, B::Pci, 4),
}};

} // namespace

const BoardTypeInfo* boardTypeInfo(int typeCode)
{
    if (typeCode < kLowestTypeCode || typeCode > kHighestTypeCode) {
        return nullptr;
    }
    return &kBoardTypes[static_cast<std::size_t>(typeCode - kLowestTypeCode)];
}

std::string_view modelNameOf(int typeCode)
{
    const BoardTypeInfo* info = boardTypeInfo(typeCode);
    return info ? info->modelName : std::string_view{"Unknown Board Type"};
}

std::optional<BoardGroup> groupOf(int typeCode)
{
    const BoardTypeInfo* info = boardTypeInfo(typeCode);
    return info ? info->group : std::nullopt;
}

std::int16_t maskBitOf(int typeCode)
{
    const std::optional<BoardGroup> group = groupOf(typeCode);
    return group ? maskBitOf(*group) : std::int16_t{0};
}

bool maskAdmits(std::int16_t mask, int typeCode)
{
    return (mask & maskBitOf(typeCode)) != 0;
}

std::optional<int> axisCountOf(int typeCode)
{
    const BoardTypeInfo* info = boardTypeInfo(typeCode);
    return info ? info->addressedAxes : std::nullopt;
}

std::optional<int> modelAxisCountOf(int typeCode)
{
    const BoardTypeInfo* info = boardTypeInfo(typeCode);
    return (info && info->modelAxes > 0) ? std::optional<int>(info->modelAxes) : std::nullopt;
}

int ioBitCountOf(int typeCode)
{
    const std::optional<BoardGroup> group = groupOf(typeCode);
    if (!group) {
        return 0;
    }
    switch (*group) {
    case G::Servo3:
    case G::OpenLoop3:
    case G::ClosedLoop3:
        return 6;
    case G::Servo4:
    case G::Encoder:
        return 8;
    case G::OpenLoop4:
    case G::ClosedLoop4:
        return 4;
    }
    return 0;
}

int ioPortBitCountOf(int typeCode)
{
    return (typeCode >= 0 && typeCode <= 2) ? 6 : 8;
}

std::optional<BoardClass> classOf(int typeCode)
{
    const BoardTypeInfo* info = boardTypeInfo(typeCode);
    return info ? info->boardClass : std::nullopt;
}

std::optional<BoardBus> busOf(int typeCode)
{
    const BoardTypeInfo* info = boardTypeInfo(typeCode);
    return info ? info->bus : std::nullopt;
}

std::optional<BoardFamily> familyOf(int typeCode)
{
    const std::optional<BoardBus> bus = busOf(typeCode);
    if (!bus) {
        return std::nullopt;
    }
    return *bus == B::Isa ? BoardFamily::FirstGeneration : BoardFamily::SecondGeneration;
}

bool isClosedLoopCapable(int typeCode)
{
    const std::optional<BoardClass> boardClass = classOf(typeCode);
    return boardClass == C::Servo || boardClass == C::ClosedLoopStepper;
}

bool IsClosedLoop4AType(int typeCode)
{
    const std::optional<BoardGroup> group = groupOf(typeCode);
    return group == G::Servo4 || group == G::ClosedLoop4;
}

} // namespace tarvik
