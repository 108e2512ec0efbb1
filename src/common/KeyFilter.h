#pragma once

#include <string_view>

namespace tarvik {

inline constexpr int kKeyBackspace = 8;
inline constexpr int kKeyEnter = 13;

// The keystroke an entry field keeps: `keyAscii` itself when it is Backspace, Enter or a
// character that occurs in `allowed` (case-sensitive), else 0. A KeyPress handler assigns the
// result back, so a refused key is dropped without a sound:
//   keyAscii = FilterKey(keyAscii, "0123456789");
int FilterKey(int keyAscii, std::string_view allowed);

} // namespace tarvik
