// The help pages as shipped: every topic a window names has its page, a real one, and every link
// between the pages leads to a page.

#include "kit/ScratchDirectory.h"
#include "kit/ShippedHelp.h"
#include "kit/WindowHelpTopics.h"
#include "program/HelpFile.h"
#include "program/HelpTopics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace tarvik::testing {
namespace {

namespace fs = std::filesystem;

const fs::path kHelpFolder = shippedHelpFolder();

std::string firstMatch(const std::string& text, const std::regex& pattern)
{
    std::smatch match;
    return std::regex_search(text, match, pattern) ? match[1].str() : std::string();
}

// The words a reader sees: the body without its tags.
std::string bodyText(const std::string& page)
{
    const std::string body = firstMatch(page, std::regex(R"(<body>([\s\S]*)</body>)"));
    return std::regex_replace(body, std::regex("<[^>]*>"), " ");
}

// Every topic a window opens with F1: those of the windows' record and of the shell windows.
std::set<int> namedTopics()
{
    std::set<int> topics{kHelpContents,     kHelpMainWindow, kHelpErrorWindow,         kHelpAskSave,
                         kHelpConfirmBoard, kHelpConfirmInit, kHelpAbout, kHelpBadConfiguration, kHelpPreferences};
    for (const WindowHelpTopic& window : windowHelpTopics()) topics.insert(window.topic);
    return topics;
}

TEST(HelpPages, EveryTopicAWindowNamesHasARealPage)
{
    const fs::path contents = kHelpFolder / kHelpContentsPage;
    const std::regex sentenceEnd(R"([.!?](\s|$))");
    for (const int topic : namedTopics()) {
        SCOPED_TRACE("topic " + std::to_string(topic));
        const fs::path page = helpTopicPage(contents, topic);
        ASSERT_FALSE(page.empty()) << helpPageName(topic) << " is missing";
        const std::string html = fileText(page);
        const std::string title = firstMatch(html, std::regex("<title>([^<]*)</title>"));
        EXPECT_FALSE(title.empty());
        EXPECT_EQ(firstMatch(html, std::regex("<h1>([^<]*)</h1>")), title);
        const std::string text = bodyText(html);
        const auto sentences = std::distance(std::sregex_iterator(text.begin(), text.end(), sentenceEnd), std::sregex_iterator());
        EXPECT_GT(sentences, 1) << text;
    }
}

TEST(HelpPages, EveryLinkLeadsToAPageAndTheContentsReachEveryTopic)
{
    std::set<std::string> linkedFromContents;
    for (const fs::directory_entry& entry : fs::directory_iterator(kHelpFolder)) {
        const std::string name = entry.path().filename().string();
        for (const std::string& link : linksOf(fileText(entry.path()))) {
            SCOPED_TRACE(name + " -> " + link);
            // Pages link to pages beside them, never out of the help.
            EXPECT_EQ(link.find_first_of(":/\\"), std::string::npos);
            EXPECT_TRUE(fs::is_regular_file(kHelpFolder / link.substr(0, link.find('#'))));
            if (name == kHelpContentsPage) linkedFromContents.insert(link);
        }
    }
    for (const int topic : namedTopics()) {
        if (topic == kHelpContents || topic == kHelpMainWindow) continue;
        EXPECT_TRUE(linkedFromContents.contains(helpPageName(topic))) << "topic " << topic;
    }
}

TEST(HelpPages, TheMainWindowOpensTheContentsAndAMissingPageIsNone)
{
    EXPECT_EQ(helpFilePath("/opt/tarvik/bin"), fs::path("/opt/tarvik/bin/../Docs/help/contents.html"));
    EXPECT_EQ(helpPageName(kHelpMainWindow), kHelpContentsPage);
    EXPECT_EQ(helpPageName(330), "topic330.html");
    const fs::path contents = kHelpFolder / kHelpContentsPage;
    EXPECT_EQ(helpTopicPage(contents, kHelpContents), contents);
    EXPECT_TRUE(helpTopicPage(contents, 9999).empty());
    EXPECT_TRUE(helpTopicPage("/no/such/folder/contents.html", kHelpContents).empty());
}

} // namespace
} // namespace tarvik::testing
