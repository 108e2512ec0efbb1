// `returns ENTRY ...`: what a driver entry point hands back in its outputs. Plain outputs take
// numbers (once per call in turn when joined by `then`), read_rdb takes packets as the call log prints them, get_motion_board_name a text.

#include "Commands.h"
#include "Session.h"
#include "Tokens.h"

#include "driver/EntryPoints.h"
#include "driver/recording/CallArguments.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

namespace tarvik::script {

namespace {

// Values separated by commas; "1, 2" may stand as two words.
std::vector<double> scriptedValues(Words& words)
{
    std::string list = words.word("a value");
    while (list.ends_with(",")) list += words.word("a value after the comma");
    std::vector<double> values;
    std::size_t start = 0;
    while (start <= list.size()) {
        const auto comma = std::min(list.find(',', start), list.size());
        const std::string item = list.substr(start, comma - start);
        long long whole = 0;
        double value = 0;
        if (parseInteger(item, whole))
            value = static_cast<double>(whole);
        else if (!parseNumber(item, value))
            throw SyntaxError("expected a number, got " + item);
        values.push_back(value);
        start = comma + 1;
    }
    return values;
}

// Checks that the entry point's outputs can take the values: one per output, whole numbers
// of the output's width (a 16-bit output also takes 0..FFFF as a bit pattern).
void checkReturns(const std::string& entry, std::string_view outputs, const std::vector<double>& values)
{
    if (outputs.empty()) throw SyntaxError(entry + " hands nothing back");
    if (outputs.find('b') != std::string_view::npos)
        throw SyntaxError(entry + " hands back tables, which cannot be scripted");
    if (values.size() != outputs.size())
        throw SyntaxError(entry + " hands back " + std::to_string(outputs.size()) + " value(s), the line gives " +
                          std::to_string(values.size()));
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (outputs[i] == 'd') continue;
        const double low = outputs[i] == 'h' ? -32768.0 : -2147483648.0;
        const double high = outputs[i] == 'h' ? 65535.0 : 4294967295.0;
        if (values[i] != std::floor(values[i]) || values[i] < low || values[i] > high)
            throw SyntaxError("output " + std::to_string(i + 1) + " of " + entry + " takes whole numbers from " +
                              std::to_string(static_cast<long long>(low)) + " to " + std::to_string(static_cast<long long>(high)));
    }
}

// A whole number for a field of type T: its signed range, or an unsigned bit pattern of its width
// (0xFFFF for a 16-bit field is -1).
template <class T>
std::optional<T> fieldValue(std::string_view text)
{
    using Unsigned = std::make_unsigned_t<T>;
    long long value = 0;
    if (!parseInteger(text, value) || value < std::numeric_limits<T>::min() ||
        value > static_cast<long long>(std::numeric_limits<Unsigned>::max()))
        return std::nullopt;
    return static_cast<T>(static_cast<Unsigned>(value));
}

// "AXIS:COMMAND:DATA"
RdbPacket packet(std::string_view text)
{
    const auto first = text.find(':');
    const auto second = first == std::string_view::npos ? first : text.find(':', first + 1);
    const auto axis = first == std::string_view::npos ? std::nullopt : fieldValue<std::int16_t>(text.substr(0, first));
    const auto command =
        second == std::string_view::npos ? std::nullopt : fieldValue<std::int16_t>(text.substr(first + 1, second - first - 1));
    const auto data = second == std::string_view::npos ? std::nullopt : fieldValue<std::int32_t>(text.substr(second + 1));
    if (!axis || !command || !data)
        throw SyntaxError("expected a packet as AXIS:COMMAND:DATA (16-, 16- and 32-bit whole numbers), got " +
                          std::string(text));
    return {*axis, *command, *data};
}

// "[AXIS:COMMAND:DATA, ...]" as the call log prints read_rdb's packets; blanks may follow the
// commas, "[]" is no packet.
std::vector<RdbPacket> packets(Words& words)
{
    std::string list = words.word("packets as [AXIS:COMMAND:DATA, ...]");
    if (!list.starts_with("[")) throw SyntaxError("expected packets as [AXIS:COMMAND:DATA, ...], got " + list);
    while (!list.ends_with("]")) list += words.word("the rest of the packets up to ]");
    const std::string_view inner = std::string_view(list).substr(1, list.size() - 2);
    std::vector<RdbPacket> result;
    for (std::size_t start = 0; !inner.empty() && start <= inner.size();) {
        const auto comma = std::min(inner.find(',', start), inner.size());
        result.push_back(packet(inner.substr(start, comma - start)));
        start = comma + 1;
    }
    return result;
}

std::optional<int> optionalCount(Words& words)
{
    std::optional<int> count;
    if (!words.atEnd()) count = callCount(words, "the call count", 1);
    words.end();
    return count;
}

} // namespace

Step::Action parseReturns(Words& words)
{
    const std::string entry = entryName(words);
    const std::string_view outputs = findEntryPoint(entry)->outputs;
    if (outputs == outputLetters<RdbArrays>) {
        const std::vector<RdbPacket> scripted = packets(words);
        const std::optional<int> count = optionalCount(words);
        return [=](Session& session) {
            session.setUp([=](Instance& instance) { instance.program->driver().scriptReturnedPackets(entry, scripted, count); });
        };
    }
    if (outputs == outputLetters<NameBuffer>) {
        const std::string text = words.text("the name");
        const std::optional<int> count = optionalCount(words);
        return [=](Session& session) {
            session.setUp([=](Instance& instance) { instance.program->driver().scriptReturnedText(entry, text, count); });
        };
    }
    const std::vector<double> values = scriptedValues(words);
    checkReturns(entry, outputs, values);
    if (words.accept("then")) {
        // One answer per call, in turn: "0x80 then 0x80 then 0x400".
        std::vector<std::vector<double>> answers{values};
        do {
            answers.push_back(scriptedValues(words));
            checkReturns(entry, outputs, answers.back());
        } while (words.accept("then"));
        words.end();
        return [=](Session& session) {
            session.setUp([=](Instance& instance) { instance.program->driver().scriptReturnSequence(entry, answers); });
        };
    }
    const std::optional<int> count = optionalCount(words);
    return [=](Session& session) {
        session.setUp([=](Instance& instance) { instance.program->driver().scriptReturns(entry, values, count); });
    };
}

} // namespace tarvik::script
