#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::script {

// Lists items for a "got ..." part, at most a screenful: `describe` gives an item's text, or
// "" for items that are not listed; `none` stands when no item is.
template <class Item, class Describe>
std::string listed(const std::vector<Item>& items, std::size_t from, Describe describe, std::string_view none)
{
    constexpr std::size_t kShown = 8;
    std::string text;
    std::size_t count = 0;
    for (std::size_t i = from; i < items.size(); ++i) {
        if (auto described = describe(items[i]); !described.empty()) {
            if (++count <= kShown) text += (text.empty() ? "" : ", ") + described;
        }
    }
    if (count > kShown) text += " and " + std::to_string(count - kShown) + " more";
    return count == 0 ? std::string(none) : text;
}

} // namespace tarvik::script
