#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace tarvik::script {

// Counts expectations and prints one line per failure: "FILE:LINE: message".
class Reporter {
public:
    explicit Reporter(std::ostream& out) : out_(out) {}

    void pass() { ++passed_; }
    void fail(std::string_view file, int line, std::string_view message);
    // A problem with the file as a whole (it cannot be read).
    void fail(std::string_view file, std::string_view message);

    int passed() const { return passed_; }
    int failed() const { return failed_; }

private:
    std::ostream& out_;
    int passed_ = 0;
    int failed_ = 0;
};

// A text as a script writes it: in double quotes, with \" \\ \r \n escaped.
std::string quotedText(std::string_view text);

} // namespace tarvik::script
