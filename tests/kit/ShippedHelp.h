#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tarvik::testing {

// The help pages as shipped: docs/help of the source tree.
std::filesystem::path shippedHelpFolder();

// The targets of the links on a page's text (its href values), in the order they stand.
std::vector<std::string> linksOf(const std::string& page);

} // namespace tarvik::testing
