#include "driver/sim/BoardConfigFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <limits>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace tarvik::sim {

namespace {

constexpr std::string_view kBlanks = " \t\r";
// How much of an offending word a message quotes.
constexpr std::size_t kExcerptLength = 24;
constexpr int kEmptySlotType = -1;

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

// The word in double quotes, as the message shows it: at most kExcerptLength bytes of it, then
// "..." and its length; quotes, backslashes and bytes outside printable ASCII escaped, so that
// a hostile file cannot put a huge or garbled text into the error window.
std::string quoted(std::string_view word)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string text(1, '"');
    for (const char c : word.substr(0, kExcerptLength)) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (byte < 0x20 || byte > 0x7E) {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
        } else {
            text += c;
        }
    }
    text.push_back('"');
    if (word.size() > kExcerptLength) text += "... (" + std::to_string(word.size()) + " characters)";
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
    if (*type == kEmptySlotType)
        return "type code -1 marks an empty slot in the board configuration, so the board would not be seen";
    const auto address = hexAddress(addressWord);
    if (!address) return "I/O address " + quoted(addressWord) + " is not a hexadecimal number from 0 to FFFF";

    board.id = static_cast<std::int16_t>(*id);
    board.typeCode = static_cast<std::int16_t>(*type);
    board.ioAddress = static_cast<std::int16_t>(static_cast<std::uint16_t>(*address));
    board.name = std::string(trimmed(rest));
    return {};
}

// The lines of one board file, taken in order: the boards so far, or the first problem.
class BoardLines {
public:
    explicit BoardLines(std::string fileName) : fileName_(std::move(fileName)) {}

    // The next line, without its line end. False once a line has been refused.
    bool take(std::string_view line)
    {
        ++lineNumber_;
        line = trimmed(line);
        if (line.empty() || line.front() == '#') return true;
        SimBoardSpec board;
        std::string problem = parseLine(line, board);
        const auto sameId = [&board](const SimBoardSpec& earlier) { return earlier.id == board.id; };
        if (problem.empty() && std::ranges::any_of(config_.boards, sameId))
            problem = "board ID " + std::to_string(board.id) + " is listed twice";
        if (!problem.empty()) return fail(problem);
        config_.boards.push_back(std::move(board));
        return true;
    }

    // Refuses the next line, unparsed, for `problem`; always false.
    bool refuse(const std::string& problem)
    {
        ++lineNumber_;
        return fail(problem);
    }

    BoardConfig result() && { return std::move(config_); }

private:
    bool fail(const std::string& problem)
    {
        config_.boards.clear();
        config_.error = fileName_ + ", line " + std::to_string(lineNumber_) + ": " + problem;
        return false;
    }

    std::string fileName_;
    int lineNumber_ = 0;
    BoardConfig config_;
};

BoardConfig fileProblem(const std::string& fileName, const std::string& problem)
{
    return {{}, fileName + ": " + problem};
}

BoardConfig unreadable(const std::string& fileName, int error)
{
    return fileProblem(fileName, "the file cannot be read: " + std::generic_category().message(error));
}

BoardConfig tooLarge(const std::string& fileName)
{
    return fileProblem(fileName, "the file is larger than " + std::to_string(kBoardConfigMaxBytes) + " bytes");
}

class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() { ::close(fd_); }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

} // namespace

BoardConfig readBoardConfigFile(const std::filesystem::path& path)
{
    const std::string fileName = path.string();
    // Non-blocking, so that opening a named pipe does not wait for a writer; the type is checked
    // on what was opened, so nothing can be swapped in between.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return errno == ENOENT ? BoardConfig{builtInBoards(), {}} : unreadable(fileName, errno);
    const FileDescriptor file(fd);
    struct stat status {};
    if (::fstat(fd, &status) != 0) return unreadable(fileName, errno);
    if (!S_ISREG(status.st_mode)) return fileProblem(fileName, "the file cannot be read: it is not a regular file");
    if (static_cast<std::uintmax_t>(status.st_size) > kBoardConfigMaxBytes) return tooLarge(fileName);

    BoardLines lines(fileName);
    std::string line;
    std::size_t total = 0;
    std::array<char, 16 * 1024> buffer{};
    for (;;) {
        const ssize_t count = ::read(fd, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) return unreadable(fileName, errno);
        if (count == 0) break;
        total += static_cast<std::size_t>(count);
        if (total > kBoardConfigMaxBytes) return tooLarge(fileName); // it grew while being read
        std::string_view chunk(buffer.data(), static_cast<std::size_t>(count));
        while (!chunk.empty()) {
            const std::size_t end = std::min(chunk.find('\n'), chunk.size());
            if (line.size() + end > kBoardConfigMaxLineLength) {
                lines.refuse("the line is longer than " + std::to_string(kBoardConfigMaxLineLength) + " characters");
                return std::move(lines).result();
            }
            line.append(chunk.substr(0, end));
            if (end == chunk.size()) break;
            chunk.remove_prefix(end + 1);
            if (!lines.take(line)) return std::move(lines).result();
            line.clear();
        }
    }
    if (!line.empty()) lines.take(line);
    return std::move(lines).result();
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
