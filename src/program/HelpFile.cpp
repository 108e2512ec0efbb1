#include "program/HelpFile.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace tarvik {

namespace {

constexpr std::string_view kHeading = "[topic ";

// The number and title of a heading line; nothing for any other line.
std::optional<std::pair<int, std::string_view>> parseHeading(std::string_view line)
{
    if (!line.starts_with(kHeading)) return std::nullopt;
    line.remove_prefix(kHeading.size());
    int number = 0;
    auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
    if (error != std::errc{} || end == line.data() + line.size() || *end != ']') return std::nullopt;
    std::string_view title = line.substr(static_cast<std::size_t>(end - line.data()) + 1);
    while (!title.empty() && title.front() == ' ') title.remove_prefix(1);
    return std::pair{number, title};
}

} // namespace

std::filesystem::path helpFilePath(const std::filesystem::path& programFolder)
{
    return programFolder / ".." / "Docs" / kHelpFileName;
}

std::optional<HelpTopic> findHelpTopic(std::string_view helpText, int number)
{
    std::optional<HelpTopic> found;
    while (!helpText.empty()) {
        const std::size_t newline = helpText.find('\n');
        std::string_view line = helpText.substr(0, newline);
        helpText.remove_prefix(newline == std::string_view::npos ? helpText.size() : newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (auto heading = parseHeading(line)) {
            if (found) break;
            if (heading->first == number) found = HelpTopic{number, std::string(heading->second), {}};
            continue;
        }
        if (found) {
            found->text.append(line);
            found->text.push_back('\n');
        }
    }
    if (found)
        while (!found->text.empty() && found->text.back() == '\n') found->text.pop_back();
    return found;
}

std::string helpTopicText(const std::filesystem::path& helpFile, int number)
{
    std::ifstream in(helpFile, std::ios::binary);
    if (!in) return {};
    std::ostringstream contents;
    contents << in.rdbuf();
    const std::optional<HelpTopic> topic = findHelpTopic(contents.str(), number);
    return topic ? topic->title + "\n\n" + topic->text : std::string{};
}

} // namespace tarvik
