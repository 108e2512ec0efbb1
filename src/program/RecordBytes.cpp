#include "program/RecordBytes.h"

#include <algorithm>

namespace tarvik {

namespace {

bool isContinuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// Bytes in the UTF-8 sequence a lead byte starts; 1 for a byte that starts none.
std::size_t sequenceLength(char lead)
{
    const auto byte = static_cast<unsigned char>(lead);
    if (byte >= 0xC0 && byte < 0xE0) return 2;
    if (byte >= 0xE0 && byte < 0xF0) return 3;
    if (byte >= 0xF0 && byte < 0xF8) return 4;
    return 1;
}

// The longest start of `text` of at most `limit` bytes that ends at a character boundary: the
// last character in it is whole. A text cut short elsewhere (a box's maximum length counts
// bytes) loses the broken character the same way.
std::size_t wholeCharacters(std::string_view text, std::size_t limit)
{
    const std::size_t length = std::min(text.size(), limit);
    std::size_t lead = length;
    while (lead > 0 && length - lead < 3 && isContinuation(text[lead - 1])) --lead;
    if (lead == 0) return length;
    --lead;
    return lead + sequenceLength(text[lead]) > length ? lead : length;
}

} // namespace

FixedName::FixedName(std::string_view text)
{
    text_.fill(' ');
    std::copy_n(text.begin(), wholeCharacters(text, kLength), text_.begin());
}

std::string FixedName::trimmed() const
{
    const std::string_view all = text();
    const std::size_t first = all.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = all.find_last_not_of(' ');
    return std::string(all.substr(first, last - first + 1));
}

} // namespace tarvik
