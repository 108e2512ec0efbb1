#include "commands/io/IoTriggerMap.h"

#include "driver/BoardTypes.h"

#include <cstddef>

namespace tarvik {

std::int16_t IoTriggerMap(const std::array<bool, 6>& enabled, std::int16_t typeCode)
{
    const std::size_t inputs = axisCountOf(typeCode) == 3 ? 6 : 4;
    int map = 0;
    for (std::size_t i = 0; i < inputs; ++i) {
        if (enabled[i]) map |= 1 << i;
    }
    return static_cast<std::int16_t>(map);
}

} // namespace tarvik
