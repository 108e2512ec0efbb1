#pragma once

#include "Reporter.h"
#include "Wildcard.h"

#include <string>
#include <string_view>

namespace tarvik::script {

class Words;

// `"VALUE"`, `like "PATTERN"`, or a whole number written without quotes (compared as its
// decimal text).
struct Comparison {
    std::string value;
    bool like = false;
    bool number = false;

    bool matches(std::string_view actual) const { return like ? matchesWildcard(value, actual) : value == actual; }
    std::string text() const { return number ? value : (like ? "like " : "") + quotedText(value); }
};

// Reads a comparison; what follows it is left to the caller. Throws SyntaxError.
Comparison comparison(Words& words);

} // namespace tarvik::script
