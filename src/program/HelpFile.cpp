#include "program/HelpFile.h"

#include "program/HelpTopics.h"

#include <system_error>

namespace tarvik {

std::filesystem::path helpFilePath(const std::filesystem::path& programFolder)
{
    return programFolder / ".." / "Docs" / "help" / kHelpContentsPage;
}

std::string helpPageName(int number)
{
    if (number == kHelpContents || number == kHelpMainWindow) return std::string(kHelpContentsPage);
    return "topic" + std::to_string(number) + ".html";
}

std::filesystem::path helpTopicPage(const std::filesystem::path& helpFile, int number)
{
    std::filesystem::path page = helpFile.parent_path() / helpPageName(number);
    std::error_code error;
    return std::filesystem::is_regular_file(page, error) ? page : std::filesystem::path();
}

} // namespace tarvik
