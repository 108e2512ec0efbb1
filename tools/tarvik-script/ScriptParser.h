#pragma once

#include "Step.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvik::script {

class Words;

struct ParsedScript {
    std::vector<Step> steps;
    // Line and problem of every malformed line.
    std::vector<std::pair<int, std::string>> errors;
};

// The whole script: one command a line, `on FORM` ... `end` blocks, `#` comments.
ParsedScript parseScript(std::string_view text);

// One command, its command word included (`after` runs one of these later). Throws SyntaxError.
Step::Action parseCommand(Words& words);

} // namespace tarvik::script
