#include "common/KeyFilter.h"

namespace tarvik {

int FilterKey(int keyAscii, std::string_view allowed)
{
    if (keyAscii == kKeyBackspace || keyAscii == kKeyEnter) return keyAscii;
    // Only plain ASCII characters can match: the allowed sets are ASCII, and a wider code must
    // not match one byte of a multi-byte character.
    constexpr int kFirstNonAscii = 128;
    if (keyAscii <= 0 || keyAscii >= kFirstNonAscii) return 0;
    return allowed.find(static_cast<char>(keyAscii)) != std::string_view::npos ? keyAscii : 0;
}

} // namespace tarvik
