#include "driver/sim/BoardConfigFile.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <optional>
#include <sstream>

namespace tarvik::sim {

namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Splits off the first blank-separated word of `rest`.
std::string_view nextWord(std::string_view& rest)
{
    rest = trimmed(rest);
    const auto end = std::min(rest.find_first_of(kBlanks), rest.size());
    const std::string_view word = rest.substr(0, end);
    rest = rest.substr(end);
    return word;
}

std::optional<int> wholeNumber(std::string_view word, int base)
{
    int value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value, base);
    if (word.empty() || error != std::errc() || end != word.data() + word.size()) return std::nullopt;
    return value;
}

std::optional<int> hexAddress(std::string_view word)
{
    if (word.starts_with("0x") || word.starts_with("0X")) word.remove_prefix(2);
    if (word.empty() || word.front() == '-' || word.front() == '+') return std::nullopt;
    const auto value = wholeNumber(word, 16);
    if (!value || *value > 0xFFFF) return std::nullopt;
    return value;
}

std::string quoted(std::string_view word)
{
    std::string text(1, '"');
    text.append(word);
    text.push_back('"');
    return text;
}

// One board line, or the problem with it.
std::string parseLine(std::string_view line, SimBoardSpec& board)
{
    std::string_view rest = line;
    const std::string_view idWord = nextWord(rest);
    const std::string_view typeWord = nextWord(rest);
    const std::string_view addressWord = nextWord(rest);
    if (addressWord.empty()) return "expected a board ID, a type code and a hexadecimal I/O address";

    const auto id = wholeNumber(idWord, 10);
    if (!id || *id < kLowestBoardId || *id > kHighestBoardId)
        return "board ID " + quoted(idWord) + " is not a whole number from " + std::to_string(kLowestBoardId) + " to "
            + std::to_string(kHighestBoardId);
    const auto type = wholeNumber(typeWord, 10);
    if (!type || *type < std::numeric_limits<std::int16_t>::min() || *type > std::numeric_limits<std::int16_t>::max())
        return "type code " + quoted(typeWord) + " is not a whole number from -32768 to 32767";
    const auto address = hexAddress(addressWord);
    if (!address) return "I/O address " + quoted(addressWord) + " is not a hexadecimal number from 0 to FFFF";

    board.id = static_cast<std::int16_t>(*id);
    board.typeCode = static_cast<std::int16_t>(*type);
    board.ioAddress = static_cast<std::int16_t>(static_cast<std::uint16_t>(*address));
    board.name = std::string(trimmed(rest));
    return {};
}

} // namespace

BoardConfig parseBoardConfig(std::string_view text, std::string_view fileName)
{
    BoardConfig config;
    int lineNumber = 0;
    while (!text.empty()) {
        const auto end = std::min(text.find('\n'), text.size());
        const std::string_view line = trimmed(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;

        SimBoardSpec board;
        std::string problem = parseLine(line, board);
        const auto sameId = [&board](const SimBoardSpec& earlier) { return earlier.id == board.id; };
        if (problem.empty() && std::ranges::any_of(config.boards, sameId))
            problem = "board ID " + std::to_string(board.id) + " is listed twice";
        if (!problem.empty()) {
            config.boards.clear();
            config.error = std::string(fileName) + ", line " + std::to_string(lineNumber) + ": " + problem;
            return config;
        }
        config.boards.push_back(std::move(board));
    }
    return config;
}

BoardConfig readBoardConfigFile(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {builtInBoards(), {}};
    std::ifstream file(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, error) || !file.is_open())
        return {{}, path.string() + ": the file cannot be read"};
    std::ostringstream text;
    text << file.rdbuf();
    return parseBoardConfig(text.str(), path.string());
}

std::vector<SimBoardSpec> builtInBoards()
{
    return {
        {1, 0, 0x300, {}},
        {2, 1, 0x320, {}},
        {3, 2, 0x340, {}},
        {4, 11, static_cast<std::int16_t>(0xD000), {}},
        {5, 12, static_cast<std::int16_t>(0xD100), {}},
        {6, 13, static_cast<std::int16_t>(0xD200), {}},
        {7, 14, static_cast<std::int16_t>(0xD300), {}},
    };
}

} // namespace tarvik::sim
