#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

// The bytes of one fixed-length record as it lies in a file.
using RecordBytes = std::vector<std::uint8_t>;

// A fixed string of 32 characters, blank-padded, as the option names are stored.
class FixedName {
public:
    static constexpr std::size_t kLength = 32;

    FixedName() { text_.fill(' '); }
    // Pads with blanks; cuts a longer text at 32 bytes. A UTF-8 character is never split: one
    // that the cut, or the end of `text`, leaves incomplete is left out.
    explicit FixedName(std::string_view text);

    // All 32 characters, trailing blanks included.
    std::string_view text() const { return {text_.data(), text_.size()}; }
    // The name without leading and trailing blanks.
    std::string trimmed() const;

    const std::array<char, kLength>& chars() const { return text_; }
    std::array<char, kLength>& chars() { return text_; }

    friend bool operator==(const FixedName&, const FixedName&) = default;

private:
    std::array<char, kLength> text_;
};

static_assert(std::numeric_limits<double>::is_iec559, "records store IEEE 754 doubles");

// Appends fields in the packed little-endian layout of the record files.
class RecordWriter {
public:
    explicit RecordWriter(RecordBytes& out) : out_(out) {}

    void put(std::int16_t value) { putUnsigned(static_cast<std::uint16_t>(value), 2); }
    void put(std::int32_t value) { putUnsigned(static_cast<std::uint32_t>(value), 4); }
    void put(double value) { putUnsigned(std::bit_cast<std::uint64_t>(value), 8); }
    void put(const FixedName& name)
    {
        for (char c : name.chars()) {
            out_.push_back(static_cast<std::uint8_t>(c));
        }
    }
    template <std::size_t N>
    void put(const std::array<std::int16_t, N>& values)
    {
        for (std::int16_t v : values) {
            put(v);
        }
    }

    template <class... Fields>
    void operator()(const Fields&... fields)
    {
        (put(fields), ...);
    }

private:
    void putUnsigned(std::uint64_t value, int bytes)
    {
        for (int i = 0; i < bytes; ++i) {
            out_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    }

    RecordBytes& out_;
};

// Reads fields in the packed little-endian layout. Reading past the end leaves the field
// untouched and marks the reader as overrun.
class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> in) : in_(in) {}

    void get(std::int16_t& value) { value = static_cast<std::int16_t>(getUnsigned(2, static_cast<std::uint16_t>(value))); }
    void get(std::int32_t& value) { value = static_cast<std::int32_t>(getUnsigned(4, static_cast<std::uint32_t>(value))); }
    void get(double& value) { value = std::bit_cast<double>(getUnsigned(8, std::bit_cast<std::uint64_t>(value))); }
    void get(FixedName& name)
    {
        if (!take(FixedName::kLength)) {
            return;
        }
        for (char& c : name.chars()) {
            c = static_cast<char>(in_[pos_++]);
        }
    }
    template <std::size_t N>
    void get(std::array<std::int16_t, N>& values)
    {
        for (std::int16_t& v : values) {
            get(v);
        }
    }

    template <class... Fields>
    void operator()(Fields&... fields)
    {
        (get(fields), ...);
    }

    // True when every field read lay inside the bytes and all bytes were read.
    bool consumedExactly() const { return !overrun_ && pos_ == in_.size(); }

private:
    bool take(std::size_t bytes)
    {
        if (overrun_ || in_.size() - pos_ < bytes) {
            overrun_ = true;
            return false;
        }
        return true;
    }

    std::uint64_t getUnsigned(int bytes, std::uint64_t unchanged)
    {
        if (!take(static_cast<std::size_t>(bytes))) {
            return unchanged;
        }
        std::uint64_t value = 0;
        for (int i = 0; i < bytes; ++i) {
            value |= std::uint64_t{in_[pos_++]} << (8 * i);
        }
        return value;
    }

    std::span<const std::uint8_t> in_;
    std::size_t pos_ = 0;
    bool overrun_ = false;
};

} // namespace tarvik
