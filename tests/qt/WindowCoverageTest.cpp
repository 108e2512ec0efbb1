// Every window the menus reach has what the README's recipe for a new window asks of it: a
// command dialog its row in a family's *RowsTest.cpp, every window its help topic in
// tests/kit/WindowHelpTopics.cpp and its help page, linked from the help contents. The windows
// are those the every-window walk opens (EveryBuiltForm.h), so a new one is checked unnamed.

#include "EveryBuiltForm.h"

#include "common/CommandDialog.h"
#include "kit/ScratchDirectory.h"
#include "kit/ShippedHelp.h"
#include "kit/WindowHelpTopics.h"
#include "program/HelpFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace tarvik::testing {
namespace {

namespace fs = std::filesystem;

// The forms the rows of the families' *RowsTest.cpp open (`.form = "frm62"`). Those tests run
// in another executable (test_app), so their rows are read where they are written.
std::set<std::string> formsWithARow()
{
    std::set<std::string> forms;
    const std::regex form(R"re(\.form\s*=\s*"([^"]+)")re");
    const fs::path tests = fs::path(__FILE__).parent_path().parent_path();
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(tests)) {
        if (!entry.path().filename().string().ends_with("RowsTest.cpp")) continue;
        const std::string text = fileText(entry.path());
        for (auto it = std::sregex_iterator(text.begin(), text.end(), form); it != std::sregex_iterator(); ++it)
            forms.insert((*it)[1].str());
    }
    return forms;
}

std::set<std::string> pagesLinkedFrom(const fs::path& page)
{
    const std::vector<std::string> links = linksOf(fileText(page));
    return {links.begin(), links.end()};
}

// What the recipe asks of `form` and it lacks, "" when nothing.
class Coverage {
public:
    std::string lacksOf(const Form& form) const
    {
        std::string lacks;
        const auto lack = [&lacks](const std::string& what) { lacks += (lacks.empty() ? "" : "; ") + what; };
        // Only a command dialog runs one command from a row; wizards, panels and the shell's
        // windows have tests of their own.
        if (dynamic_cast<const CommandDialog*>(&form) && !withARow_.contains(form.name()))
            lack("a row in the rows test of its menu (README, Adding a window)");
        const auto topics = windowHelpTopics();
        if (std::ranges::none_of(topics, [&form](const WindowHelpTopic& pinned) { return pinned.form == form.name(); }))
            lack("its help topic in tests/kit/WindowHelpTopics.cpp");
        const std::string page = helpPageName(form.helpTopic());
        if (helpTopicPage(contents_, form.helpTopic()).empty()) lack("its help page docs/help/" + page);
        else if (page != kHelpContentsPage && !linked_.contains(page))
            lack("a link to " + page + " in docs/help/contents.html");
        return lacks;
    }

private:
    fs::path contents_ = shippedHelpFolder() / kHelpContentsPage;
    std::set<std::string> withARow_ = formsWithARow();
    std::set<std::string> linked_ = pagesLinkedFrom(contents_);
};

TEST(WindowCoverage, EveryWindowTheMenusReachHasItsRowsTestRowHelpTopicAndLinkedHelpPage)
{
    RunningProgram program;
    // The boards that switch on the Test and Demo menus, as in the every-window test.
    constexpr std::int16_t kServo3 = 1, kClosedLoop3 = 3;
    initialiseAtStartUp({kServo3, kClosedLoop3});
    ASSERT_TRUE(program.start());
    const Coverage coverage;
    std::vector<std::string> uncovered;
    visitEveryBuiltForm(program, [&](Form& form) {
        if (const std::string lacks = coverage.lacksOf(form); !lacks.empty())
            uncovered.push_back("\"" + form.caption() + "\" (" + form.name() + ") lacks " + lacks);
    });
    EXPECT_TRUE(uncovered.empty()) << "Windows the menus reach without what a new window needs:" << listed(uncovered);
    program.runtime.endProgram();
    settle();
}

} // namespace
} // namespace tarvik::testing
