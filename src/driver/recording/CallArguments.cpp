#include "driver/recording/CallArguments.h"

#include <charconv>

namespace tarvik {

std::string printInteger(std::int64_t value) { return std::to_string(value); }

std::string printDouble(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

namespace {

// "&IN->OUT" after success, "&IN" after a failure.
template <typename T>
std::string printInOut(T in, T out, bool succeeded) {
    std::string text = "&" + printInteger(in);
    if (succeeded) text += "->" + printInteger(out);
    return text;
}

// A count (handed back, or asked for), held to what the arrays can hold.
std::size_t shownCount(std::int64_t count, std::size_t capacity) {
    return count <= 0 ? 0 : std::min(static_cast<std::size_t>(count), capacity);
}

} // namespace

// The count, then the packets fetched as "[axis:command:data, ...]".
void appendPrinted(std::vector<std::string>& printed, const RdbArrays& rdb, bool succeeded) {
    printed.push_back(printInOut(rdb.countIn, rdb.count, succeeded));
    std::string packets = "[";
    const std::size_t shown =
        succeeded ? shownCount(rdb.count, std::min({rdb.axes.size(), rdb.commands.size(), rdb.data.size()})) : 0;
    for (std::size_t i = 0; i < shown; ++i) {
        if (i > 0) packets += ", ";
        packets += printInteger(rdb.axes[i]) + ":" + printInteger(rdb.commands[i]) + ":" + printInteger(rdb.data[i]);
    }
    printed.push_back(packets + "]");
}

// The name as quoted text (characters outside printable ASCII as '?'), then the length.
void appendPrinted(std::vector<std::string>& printed, const NameBuffer& buffer, bool succeeded) {
    std::string text = "\"";
    const std::size_t shown = succeeded ? shownCount(buffer.length, buffer.name.size()) : 0;
    for (std::size_t i = 0; i < shown && buffer.name[i] != '\0'; ++i) {
        const char c = buffer.name[i];
        text += c >= ' ' && c <= '~' && c != '"' ? c : '?';
    }
    printed.push_back(text + "\"");
    printed.push_back(printInOut(buffer.lengthIn, buffer.length, succeeded));
}

// The configured boards as "&{ID=TYPE@ADDRESS, ...}".
void appendPrinted(std::vector<std::string>& printed, const BoardConfigArrays& config, bool succeeded) {
    std::string boards = "&{";
    const std::size_t entries = succeeded ? std::min(config.typeCodes.size(), config.ioAddresses.size()) : 0;
    bool first = true;
    for (std::size_t id = 0; id < entries; ++id) {
        if (config.typeCodes[id] == -1) continue;
        if (!first) boards += ", ";
        first = false;
        boards += printInteger(static_cast<std::int64_t>(id)) + "=" + printInteger(config.typeCodes[id]) + "@" +
                  printInteger(config.ioAddresses[id]);
    }
    printed.push_back(boards + "}");
}

void assignScripted(RdbArrays& rdb, const ScriptedOutputs& scripted, std::size_t&) {
    const auto& packets = std::get<std::vector<RdbPacket>>(scripted);
    const std::size_t written = std::min(
        shownCount(rdb.countIn, std::min({rdb.axes.size(), rdb.commands.size(), rdb.data.size()})), packets.size());
    for (std::size_t i = 0; i < written; ++i) {
        rdb.axes[i] = packets[i].axis;
        rdb.commands[i] = packets[i].command;
        rdb.data[i] = packets[i].data;
    }
    rdb.count = static_cast<std::int16_t>(written);
}

void assignScripted(NameBuffer& buffer, const ScriptedOutputs& scripted, std::size_t&) {
    const auto& text = std::get<std::string>(scripted);
    if (buffer.name.empty()) {
        buffer.length = static_cast<std::int32_t>(text.size());
        return;
    }
    const std::size_t written = std::min(shownCount(buffer.lengthIn, buffer.name.size()), text.size());
    std::copy_n(text.begin(), written, buffer.name.begin());
    buffer.length = static_cast<std::int32_t>(written);
}

} // namespace tarvik
