#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tarvik {

// One Return Data Buffer packet as read_rdb hands it back.
struct RdbPacket {
    std::int16_t axis = 0;
    std::int16_t command = 0;
    std::int32_t data = 0;
    bool operator==(const RdbPacket&) const = default;
};

// What a scripted return writes into a call's outputs: one value per plain output in argument
// order, read_rdb's packets, or the text of a board name.
using ScriptedOutputs = std::variant<std::vector<double>, std::vector<RdbPacket>, std::string>;

} // namespace tarvik
