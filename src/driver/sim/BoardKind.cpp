#include "driver/sim/BoardKind.h"

#include "driver/StatusWords.h"

#include <algorithm>
#include <array>

namespace tarvik::sim {

namespace {
constexpr std::array kOpenLoopCodes{1, 4, 8, 12, 18, 20, 22, 30};
constexpr std::array kClosedLoopCodes{2, 5, 9, 13, 19, 21, 23, 29};

template <std::size_t N>
bool among(const std::array<int, N>& codes, int code)
{
    return std::find(codes.begin(), codes.end(), code) != codes.end();
}
} // namespace

BoardKind boardKindOfType(std::int16_t typeCode)
{
    BoardClass boardClass = BoardClass::Servo;
    if (isEncoderType(typeCode))
        boardClass = BoardClass::Encoder;
    else if (among(kOpenLoopCodes, typeCode))
        boardClass = BoardClass::OpenLoopStepper;
    else if (among(kClosedLoopCodes, typeCode))
        boardClass = BoardClass::ClosedLoopStepper;
    return {typeCode, boardClass, axisCountOfType(typeCode)};
}

} // namespace tarvik::sim
