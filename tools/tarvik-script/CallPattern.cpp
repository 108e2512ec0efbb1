#include "CallPattern.h"

#include "Step.h"
#include "Wildcard.h"

#include "driver/EntryPoints.h"
#include "driver/recording/RecordingDriver.h"

#include <algorithm>

namespace tarvik::script {

namespace {

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Splits at the commas that stand outside quotes and brackets.
std::vector<std::string> splitArguments(std::string_view text)
{
    std::vector<std::string> arguments;
    if (trimmed(text).empty()) return arguments;
    int depth = 0;
    bool inQuotes = false;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"') inQuotes = !inQuotes;
        if (inQuotes) continue;
        if (c == '[' || c == '{' || c == '(') ++depth;
        if (c == ']' || c == '}' || c == ')') --depth;
        if (c == ',' && depth == 0) {
            arguments.emplace_back(trimmed(text.substr(start, i - start)));
            start = i + 1;
        }
    }
    arguments.emplace_back(trimmed(text.substr(start)));
    return arguments;
}

} // namespace

bool isEntryPoint(std::string_view name)
{
    return std::any_of(kEntryPoints.begin(), kEntryPoints.end(), [&](const EntryPoint& e) { return e.name == name; });
}

CallPattern CallPattern::parse(std::string_view text)
{
    text = trimmed(text);
    const auto open = text.find('(');
    if (open == std::string_view::npos || !text.ends_with(")"))
        throw SyntaxError("expected a driver call such as read_pos(1, 2, *), got " + std::string(text));
    CallPattern pattern;
    pattern.entry_ = std::string(trimmed(text.substr(0, open)));
    if (!isEntryPoint(pattern.entry_)) throw SyntaxError("the driver has no entry point " + pattern.entry_);
    pattern.arguments_ = splitArguments(text.substr(open + 1, text.size() - open - 2));
    return pattern;
}

bool CallPattern::matches(const CallRecord& call) const
{
    if (call.entry != entry_ || call.arguments.size() != arguments_.size()) return false;
    for (std::size_t i = 0; i < arguments_.size(); ++i)
        if (!matchesWildcard(arguments_[i], call.arguments[i])) return false;
    return true;
}

std::string CallPattern::text() const
{
    std::string joined;
    for (const std::string& argument : arguments_) joined += (joined.empty() ? "" : ", ") + argument;
    return entry_ + "(" + joined + ")";
}

} // namespace tarvik::script
