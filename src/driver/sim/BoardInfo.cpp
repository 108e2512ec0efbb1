#include "driver/sim/BoardInfo.h"

#include "driver/BoardInfoAttributes.h"
#include "driver/StatusText.h"

#include <algorithm>
#include <optional>

namespace tarvik::sim {

namespace {

// An attribute the board table may not know for a type code.
template <class Value>
DriverStatus tableValue(std::optional<Value> known, std::int32_t& value)
{
    if (!known) return ZEVA_infoAttributeError;
    value = static_cast<std::int32_t>(*known);
    return ZEVA_noError;
}

} // namespace

DriverStatus boardInfo(const BoardKind& kind, std::int16_t attribute, std::int32_t& value)
{
    switch (attribute) {
    case kInfoFamily: return tableValue(familyOf(kind.typeCode), value);
    case kInfoBoardType: value = kind.typeCode; return ZEVA_noError;
    case kInfoBus: return tableValue(busOf(kind.typeCode), value);
    case kInfoClosedLoopCapable: value = kind.closedLoop() ? 1 : 0; return ZEVA_noError;
    case kInfoAxisCount: value = modelAxisCountOf(kind.typeCode).value_or(kind.axisCount); return ZEVA_noError;
    case kInfoBoardClass:
        if (kind.boardClass == BoardClass::Encoder) return ZEVA_motionOnlyError;
        value = static_cast<std::int32_t>(kind.boardClass);
        return ZEVA_noError;
    }
    return ZEVA_infoAttributeError;
}

DriverStatus copyBoardName(std::string_view name, std::span<char> buffer, std::int32_t& length)
{
    const auto nameLength = static_cast<std::int32_t>(name.size());
    if (buffer.empty()) {
        length = nameLength;
        return ZEVA_noError;
    }
    const auto room = std::min<std::int64_t>(length, static_cast<std::int64_t>(buffer.size()));
    if (room < nameLength) return ZEVA_bufferLengthError;
    std::copy(name.begin(), name.end(), buffer.begin());
    length = nameLength;
    return ZEVA_noError;
}

} // namespace tarvik::sim
