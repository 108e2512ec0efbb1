#pragma once

#include "driver/BoardTypes.h"

#include <cstdint>

namespace tarvik::sim {

// What a simulated board is, decided by its type code (0 to 30).
struct BoardKind {
    std::int16_t typeCode;
    BoardClass boardClass;
    int axisCount; // 3 on the 3-axis boards, 4 on all others

    bool threeAxis() const { return axisCount == 3; }
    bool stepper() const
    {
        return boardClass == BoardClass::OpenLoopStepper || boardClass == BoardClass::ClosedLoopStepper;
    }
    // Axes with position feedback: servo and closed-loop stepper.
    bool closedLoop() const { return boardClass == BoardClass::Servo || boardClass == BoardClass::ClosedLoopStepper; }
};

constexpr bool isBoardTypeCode(int typeCode) { return typeCode >= 0 && typeCode <= kHighestTypeCode; }

// The board of a type code. Codes that belong to no board-type group of the program (10, 15,
// 16, 24, 27, 28) are modelled as 4-axis servo boards.
BoardKind boardKindOfType(std::int16_t typeCode);

} // namespace tarvik::sim
