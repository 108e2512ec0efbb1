// Every window the menus reach has what the README's recipe for a new window asks of it: a
// command dialog its row in a family's *RowsTest.cpp, every window its help topic in
// tests/kit/WindowHelpTopics.cpp, a topic of its own unless it is declared shared there, and its
// help page, linked from the help contents under the heading of the menu that opens it. The
// windows are those the every-window walk opens (EveryBuiltForm.h), so a new one is checked
// unnamed.

#include "EveryBuiltForm.h"

#include "common/CommandDialog.h"
#include "kit/ScratchDirectory.h"
#include "kit/ShippedHelp.h"
#include "kit/WindowHelpTopics.h"
#include "program/HelpFile.h"
#include "runtime/Caption.h"
#include "runtime/MenuItem.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>
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

// Each page the contents link to, with the headings (<h2> and <h3>) its links stand under.
std::map<std::string, std::set<std::string>> headingsOfLinks(const fs::path& contents)
{
    std::map<std::string, std::set<std::string>> headings;
    const std::regex heading(R"re(<h([23])>(.*)</h[23]>)re");
    std::string section;
    std::string subsection;
    std::istringstream lines(fileText(contents));
    for (std::string line; std::getline(lines, line);) {
        if (std::smatch found; std::regex_search(line, found, heading)) {
            (found[1] == "2" ? section : subsection) = found[2].str();
            if (found[1] == "2") subsection.clear();
            continue;
        }
        for (const std::string& link : linksOf(line)) {
            if (!section.empty()) headings[link].insert(section);
            if (!subsection.empty()) headings[link].insert(subsection);
        }
    }
    return headings;
}

// The windows of WindowHelpTopics.cpp other than `form` that open its topic.
std::vector<std::string_view> othersOnTopicOf(const Form& form)
{
    std::vector<std::string_view> others;
    for (const WindowHelpTopic& window : windowHelpTopics())
        if (window.topic == form.helpTopic() && window.form != form.name()) others.push_back(window.form);
    return others;
}

// True when a declared shared topic lists `form` and every window in `others`.
bool declaredShared(const Form& form, const std::vector<std::string_view>& others)
{
    return std::ranges::any_of(sharedHelpTopics(), [&](const SharedHelpTopic& shared) {
        const auto lists = [&shared](std::string_view name) { return std::ranges::count(shared.forms, name) > 0; };
        return shared.topic == form.helpTopic() && lists(form.name()) && std::ranges::all_of(others, lists);
    });
}

// What the recipe asks of `form`, shown from `chosen`, and it lacks, "" when nothing.
class Coverage {
public:
    std::string lacksOf(const Form& form, const MenuItem& chosen) const
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
        // F1 would open another window's page.
        if (const auto others = othersOnTopicOf(form); !others.empty() && !declaredShared(form, others))
            lack("a help topic of its own (" + std::to_string(form.helpTopic()) + " is " + std::string(others.front()) +
                 "'s; a page two windows share is declared in tests/kit/WindowHelpTopics.cpp)");
        const std::string page = helpPageName(form.helpTopic());
        const MenuItem* menu = chosen.parentMenu();
        const std::string heading = menu ? displayCaption(menu->caption()) : "";
        if (helpTopicPage(contents_, form.helpTopic()).empty()) lack("its help page docs/help/" + page);
        else if (page == kHelpContentsPage) return lacks;
        else if (!headings_.contains(page)) lack("a link to " + page + " in docs/help/contents.html");
        else if (!heading.empty() && !headings_.at(page).contains(heading))
            lack("a link to " + page + " under the heading \"" + heading + "\" of docs/help/contents.html");
        return lacks;
    }

private:
    fs::path contents_ = shippedHelpFolder() / kHelpContentsPage;
    std::set<std::string> withARow_ = formsWithARow();
    std::map<std::string, std::set<std::string>> headings_ = headingsOfLinks(contents_);
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
    visitEveryBuiltForm(program, [&](Form& form, const MenuItem& chosen) {
        if (const std::string lacks = coverage.lacksOf(form, chosen); !lacks.empty())
            uncovered.push_back("\"" + form.caption() + "\" (" + form.name() + ") lacks " + lacks);
    });
    EXPECT_TRUE(uncovered.empty()) << "Windows the menus reach without what a new window needs:" << listed(uncovered);
    program.runtime.endProgram();
    settle();
}

} // namespace
} // namespace tarvik::testing
