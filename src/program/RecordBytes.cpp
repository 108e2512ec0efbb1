#include "program/RecordBytes.h"

#include <algorithm>

namespace tarvik {

FixedName::FixedName(std::string_view text)
{
    std::size_t length = std::min(text.size(), kLength);
    // Step back over UTF-8 continuation bytes so that a cut never splits a character.
    if (length < text.size()) {
        while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
            --length;
        }
    }
    text_.fill(' ');
    std::copy_n(text.begin(), length, text_.begin());
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
