#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvik {
struct CallRecord;
}

namespace tarvik::script {

// A driver call as `expect call` writes it: `read_pos(1, 2, *)`. Arguments are compared with
// the call log's printed form; `*` in an argument stands for any run of characters, so `*`
// alone matches any argument.
class CallPattern {
public:
    // Throws SyntaxError for a malformed pattern or an entry point the driver does not have.
    static CallPattern parse(std::string_view text);

    bool matches(const CallRecord& call) const;
    // "read_pos(1, 2, *)"
    std::string text() const;

private:
    std::string entry_;
    std::vector<std::string> arguments_;
};

// Whether the driver has an entry point of this name.
bool isEntryPoint(std::string_view name);

} // namespace tarvik::script
