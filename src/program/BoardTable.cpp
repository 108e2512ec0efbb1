#include "program/BoardTable.h"

#include "base/NumberText.h"
#include "driver/BoardTypes.h"
#include "program/ConfiguredBoards.h"

#include <algorithm>

namespace tarvik {

namespace {

bool configured(std::int16_t typeCode) { return typeCode != kNoBoardType; }

std::string boardLine(std::size_t id, std::int16_t typeCode, std::int16_t address, const std::string& reason)
{
    return "ID " + std::to_string(id) + ", type code " + std::to_string(typeCode) + ", address " +
           hex16(address) + ": " + reason;
}

} // namespace

std::string BoardMenuCaption(int boardId, int typeCode)
{
    return "ID" + strSigned(boardId) + ": " + std::string(modelNameOf(typeCode));
}

bool anyBoardConfigured(std::span<const std::int16_t> typeCodes)
{
    return std::any_of(typeCodes.begin(), typeCodes.end(), configured);
}

void FillBoardTable(ConfiguredBoards& boards, std::span<const std::int16_t> typeCodes,
                    std::span<const std::int16_t> ioAddresses)
{
    for (std::size_t id = 0; id < boards.BoardType.size(); ++id) {
        const std::int16_t code = id < typeCodes.size() ? typeCodes[id] : kNoBoardType;
        const bool usable = id != 0 && groupOf(code).has_value();
        boards.BoardType[id] = usable ? code : kNoBoardType;
        boards.BoardAddress[id] = usable && id < ioAddresses.size() ? ioAddresses[id] : std::int16_t{0};
    }
}

std::vector<std::string> UnverifiedBoards(std::span<const std::int16_t> typeCodes,
                                          std::span<const std::int16_t> ioAddresses)
{
    const std::size_t entries = std::min(typeCodes.size(), ioAddresses.size());
    const std::size_t lastBoardId = kBoardIdCount - 1;
    std::vector<std::string> lines;
    for (std::size_t id = 0; id < entries; ++id) {
        const std::int16_t code = typeCodes[id];
        if (!configured(code)) continue;
        const std::int16_t address = ioAddresses[id];
        if (id == 0) {
            lines.push_back(boardLine(id, code, address, "board ID 0 is reserved and never holds a board"));
        } else if (id > lastBoardId) {
            lines.push_back(boardLine(id, code, address, "board IDs above 7 cannot be used"));
        } else if (!groupOf(code)) {
            const bool known = code >= 0 && code <= kHighestTypeCode;
            lines.push_back(boardLine(id, code, address,
                                      known ? "Tarvik does not support this board type"
                                            : "the type code is not a known board type"));
        }
        for (std::size_t earlier = 0; earlier < id; ++earlier) {
            if (configured(typeCodes[earlier]) && ioAddresses[earlier] == address) {
                lines.push_back(boardLine(id, code, address,
                                          "shares its I/O address with board ID " + std::to_string(earlier)));
                break;
            }
        }
    }
    return lines;
}

} // namespace tarvik
