#include "Reporter.h"

namespace tarvik::script {

namespace {
// One failure, one line: line breaks in a message are written as their escapes.
std::string oneLine(std::string_view message)
{
    std::string line;
    for (char c : message) line += c == '\n' ? "\\n" : c == '\r' ? "\\r" : std::string(1, c);
    return line;
}
} // namespace

void Reporter::fail(std::string_view file, int line, std::string_view message)
{
    ++failed_;
    out_ << file << ':' << line << ": " << oneLine(message) << '\n';
}

void Reporter::fail(std::string_view file, std::string_view message)
{
    ++failed_;
    out_ << file << ": " << oneLine(message) << '\n';
}

std::string quotedText(std::string_view text)
{
    std::string result = "\"";
    for (char c : text) {
        switch (c) {
        case '"': result += "\\\""; break;
        case '\\': result += "\\\\"; break;
        case '\r': result += "\\r"; break;
        case '\n': result += "\\n"; break;
        default: result += c;
        }
    }
    return result + "\"";
}

} // namespace tarvik::script
