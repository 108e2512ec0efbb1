#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace tarvik {

// The program's help: HTML pages in one folder, linked to each other. The contents page groups
// the pages as the menus are; every help topic has a page of its own, "topic<N>.html", but for
// the contents (topic 0) and the main window, whose page is the contents.
inline constexpr std::string_view kHelpContentsPage = "contents.html";

// Where the contents page lies: the program's folder, then "../Docs/help/".
std::filesystem::path helpFilePath(const std::filesystem::path& programFolder);

// The file name of the page of topic `number`.
std::string helpPageName(int number);

// The page of topic `number` in the folder of the contents page `helpFile`; an empty path when
// there is no such file.
std::filesystem::path helpTopicPage(const std::filesystem::path& helpFile, int number);

} // namespace tarvik
