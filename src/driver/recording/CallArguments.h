#pragma once

#include "driver/recording/ScriptedOutputs.h"

#include <algorithm>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <tuple>
#include <type_traits>
#include <vector>

// How the recording driver sees the arguments of a call: plain values, by-reference outputs and
// the three buffer groups, each printed for the call log and unwrapped for the inner driver.
namespace tarvik {

// An entry point name as a template argument, so that each recorded call is checked against
// the entry-point table when it is compiled.
template <std::size_t N>
struct EntryName {
    char text[N];
    constexpr EntryName(const char (&name)[N]) { std::copy_n(name, N, text); }
    constexpr std::string_view view() const { return {text, N - 1}; }
};

// A by-reference output.
template <typename T>
struct Out {
    T& value;
};

// read_rdb's packet count (in and out) and its three arrays.
struct RdbArrays {
    RdbArrays(std::int16_t& packetCount, std::span<std::int16_t> packetAxes, std::span<std::int16_t> packetCommands,
              std::span<std::int32_t> packetData)
        : count(packetCount), countIn(packetCount), axes(packetAxes), commands(packetCommands), data(packetData) {}
    std::int16_t& count;
    std::int16_t countIn;
    std::span<std::int16_t> axes;
    std::span<std::int16_t> commands;
    std::span<std::int32_t> data;
};

// get_motion_board_name's buffer and its length (in and out).
struct NameBuffer {
    NameBuffer(std::span<char> buffer, std::int32_t& bufferLength)
        : name(buffer), length(bufferLength), lengthIn(bufferLength) {}
    std::span<char> name;
    std::int32_t& length;
    std::int32_t lengthIn;
};

// get_bd_config's two tables.
struct BoardConfigArrays {
    std::span<std::int16_t> typeCodes;
    std::span<std::int16_t> ioAddresses;
};

// The output letters of an argument, as the entry-point table writes them.
template <typename T>
inline constexpr std::string_view outputLetters = "";
template <>
inline constexpr std::string_view outputLetters<Out<std::int16_t>> = "h";
template <>
inline constexpr std::string_view outputLetters<Out<std::int32_t>> = "l";
template <>
inline constexpr std::string_view outputLetters<Out<double>> = "d";
template <>
inline constexpr std::string_view outputLetters<RdbArrays> = "hbbb";
template <>
inline constexpr std::string_view outputLetters<NameBuffer> = "bl";
template <>
inline constexpr std::string_view outputLetters<BoardConfigArrays> = "bb";

template <typename... Args>
constexpr bool outputsMatch(std::string_view expected) {
    std::string actual;
    (actual.append(outputLetters<Args>), ...);
    return actual == expected;
}

// The arguments as the inner driver takes them.
template <typename T>
auto unwrap(T& value) { return std::tuple<T>(value); }
template <typename T>
auto unwrap(Out<T>& out) { return std::tuple<T&>(out.value); }
inline auto unwrap(RdbArrays& rdb) {
    return std::tuple<std::int16_t&, std::span<std::int16_t>, std::span<std::int16_t>, std::span<std::int32_t>>(
        rdb.count, rdb.axes, rdb.commands, rdb.data);
}
inline auto unwrap(NameBuffer& buffer) {
    return std::tuple<std::span<char>, std::int32_t&>(buffer.name, buffer.length);
}
inline auto unwrap(BoardConfigArrays& config) {
    return std::tuple<std::span<std::int16_t>, std::span<std::int16_t>>(config.typeCodes, config.ioAddresses);
}

// Printing after the call. Outputs print as '&' and their value; after a failed call only
// the '&' and any value that went in, since the outputs were not written.
std::string printInteger(std::int64_t value);
// Shortest text that reads back as the same double.
std::string printDouble(double value);

template <typename T>
std::string printValue(T value) {
    if constexpr (std::integral<T>)
        return printInteger(value);
    else
        return printDouble(value);
}

template <typename T>
    requires std::is_arithmetic_v<T>
void appendPrinted(std::vector<std::string>& printed, T value, bool) { printed.push_back(printValue(value)); }
template <typename T>
void appendPrinted(std::vector<std::string>& printed, const Out<T>& out, bool succeeded) {
    printed.push_back(succeeded ? "&" + printValue(out.value) : "&");
}
void appendPrinted(std::vector<std::string>& printed, const RdbArrays& rdb, bool succeeded);
void appendPrinted(std::vector<std::string>& printed, const NameBuffer& buffer, bool succeeded);
void appendPrinted(std::vector<std::string>& printed, const BoardConfigArrays& config, bool succeeded);

// Scripted outputs into the call's outputs. Plain outputs take the values in order (`next`
// counts the values used). read_rdb's arrays take as many packets as the count asked for and the
// arrays hold, and the count becomes the number written. A name buffer takes as much of the text
// as its length allows and the length becomes the number of characters written; an empty buffer
// (a length query) gets the text's length.
template <typename T>
void assignScripted(T&, const ScriptedOutputs&, std::size_t&) {}
template <typename T>
void assignScripted(Out<T>& out, const ScriptedOutputs& scripted, std::size_t& next) {
    out.value = static_cast<T>(std::get<std::vector<double>>(scripted).at(next++));
}
void assignScripted(RdbArrays& rdb, const ScriptedOutputs& scripted, std::size_t& next);
void assignScripted(NameBuffer& buffer, const ScriptedOutputs& scripted, std::size_t& next);

} // namespace tarvik
