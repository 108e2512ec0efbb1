#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::script {

using Bytes = std::vector<std::uint8_t>;

// Bytes written as pairs of hexadecimal digits ("01FF0A"); nothing when the text is not that.
std::optional<Bytes> parseHexBytes(std::string_view text);
// "01 FF 0A"
std::string hexText(const Bytes& bytes);

// Writes (replacing) or reads a whole file; false / nothing when that fails.
bool writeBytes(const std::filesystem::path& path, const Bytes& bytes);
std::optional<Bytes> readBytes(const std::filesystem::path& path);

} // namespace tarvik::script
