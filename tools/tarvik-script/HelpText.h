#pragma once

#include <string_view>

namespace tarvik::script {

// What `tarvik-script --help` prints: usage, the script grammar and the display-list format.
std::string_view helpText();

} // namespace tarvik::script
