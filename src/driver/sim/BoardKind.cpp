#include "driver/sim/BoardKind.h"

namespace tarvik::sim {

namespace {
// The board a code without a class stands for: the first 4-axis servo model of the table.
constexpr int kStandInTypeCode = 3;
} // namespace

BoardKind boardKindOfType(std::int16_t typeCode)
{
    // Every code with a class has an addressed axis count in the table.
    const int modelled = classOf(typeCode) ? typeCode : kStandInTypeCode;
    return {typeCode, classOf(modelled).value(), axisCountOf(modelled).value()};
}

} // namespace tarvik::sim
