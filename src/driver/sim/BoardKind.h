#pragma once

#include "driver/BoardTypes.h"

#include <cstdint>

namespace tarvik::sim {

// What a simulated board is, decided by its type code through the board table.
struct BoardKind {
    std::int16_t typeCode;
    BoardClass boardClass;
    int axisCount; // the axes the board is addressed with: 3 on the 3-axis boards, 4 on all others

    bool threeAxis() const { return axisCount == 3; }
    bool stepper() const
    {
        return boardClass == BoardClass::OpenLoopStepper || boardClass == BoardClass::ClosedLoopStepper;
    }
    // Axes with position feedback: servo and closed-loop stepper.
    bool closedLoop() const { return boardClass == BoardClass::Servo || boardClass == BoardClass::ClosedLoopStepper; }
};

// The board of a type code. A code the table gives no class (no board-type group, or outside
// 0..30) is modelled as a 4-axis servo board, so that every configured board can be driven.
BoardKind boardKindOfType(std::int16_t typeCode);

} // namespace tarvik::sim
