#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

// The program's help file: plain text, one section per topic, each starting with a line
// "[topic N] Title" and running to the next such line. Topic 0 is the contents.
inline constexpr std::string_view kHelpFileName = "tarvik-help.txt";

// Where the help file lies: the program's folder, then "../Docs/", then the file name.
std::filesystem::path helpFilePath(const std::filesystem::path& programFolder);

struct HelpTopic {
    int number = 0;
    std::string title;
    std::string text; // the lines after the heading, up to the next topic
};

// The topic `number` of a help text; nothing when the text has no such topic.
std::optional<HelpTopic> findHelpTopic(std::string_view helpText, int number);

// The viewer's text of topic `number` of the help file: its title, a blank line and its text;
// "" when the file cannot be read or has no such topic.
std::string helpTopicText(const std::filesystem::path& helpFile, int number);

} // namespace tarvik
