#pragma once

#include "mainwindow/TemporaryWorkingDirectory.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tarvik::testing {

// A fresh empty directory is the current directory for the life of the object, so that files
// opened by bare name land there.
using ScratchDirectory = TemporaryWorkingDirectory;

inline std::vector<std::uint8_t> fileBytes(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The whole text of a file; empty when it cannot be read.
inline std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeFileBytes(const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The little-endian 16-bit value at `offset`.
inline std::int16_t le16(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    return static_cast<std::int16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

// The little-endian 32-bit value at `offset`.
inline std::int32_t le32(const std::vector<std::uint8_t>& bytes, std::size_t offset)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= std::uint32_t{bytes.at(offset + i)} << (8 * i);
    }
    return static_cast<std::int32_t>(value);
}

} // namespace tarvik::testing
