#pragma once

#include <string_view>

namespace tarvik::script {

// True when `text` matches `pattern`, in which `*` stands for any run of characters (line
// breaks included) and every other character for itself.
bool matchesWildcard(std::string_view pattern, std::string_view text);

} // namespace tarvik::script
