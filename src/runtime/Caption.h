#pragma once

#include <string>
#include <string_view>

namespace tarvik {

// Captions mark their access key with "&" ("&Run": Alt+R); "&&" stands for one literal "&".

// The caption as shown: single "&" marks dropped, "&&" turned into "&".
std::string displayCaption(std::string_view caption);

// The upper-case access key of a caption, 0 when it has none.
int accessKeyOf(std::string_view caption);

} // namespace tarvik
