#include "driver/sim/BoardInfo.h"

#include "driver/StatusText.h"

#include <algorithm>

namespace tarvik::sim {

namespace {
int modelAxisCount(const BoardKind& kind) { return kind.typeCode >= 7 && kind.typeCode <= 9 ? 2 : kind.axisCount; }
} // namespace

DriverStatus boardInfo(const BoardKind& kind, std::int16_t attribute, std::int32_t& value)
{
    switch (attribute) {
    case kInfoFamily: value = kind.typeCode >= 11 ? 1 : 0; return ZEVA_noError;
    case kInfoBoardType: value = kind.typeCode; return ZEVA_noError;
    case kInfoBus: value = kind.typeCode >= 25 ? 2 : (kind.typeCode >= 11 ? 1 : 0); return ZEVA_noError;
    case kInfoClosedLoopCapable: value = kind.closedLoop() ? 1 : 0; return ZEVA_noError;
    case kInfoAxisCount: value = modelAxisCount(kind); return ZEVA_noError;
    case kInfoBoardClass:
        switch (kind.boardClass) {
        case BoardClass::Servo: value = 0; return ZEVA_noError;
        case BoardClass::OpenLoopStepper: value = 1; return ZEVA_noError;
        case BoardClass::ClosedLoopStepper: value = 2; return ZEVA_noError;
        case BoardClass::Encoder: return ZEVA_motionOnlyError;
        }
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
