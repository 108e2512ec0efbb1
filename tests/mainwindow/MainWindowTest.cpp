#include "kit/AppFixture.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <span>
#include <sstream>

#include "mainwindow/MainMenus.h"
#include "program/HelpFile.h"
#include "program/HelpTopics.h"
#include "program/MainWindowServices.h"

namespace tarvik::testing {
namespace {

using testing::AppTest;

// A child window that refuses to close while `refuse` is set, as a window with unsaved work does.
class StubbornWindow : public Form {
public:
    explicit StubbornWindow(App& app) : Form(app.runtime(), "stubborn", {.caption = "Stubborn"}) {}
    bool refuse = true;
    int unloads = 0;

private:
    void Form_QueryUnload(int& cancel, UnloadReason) override { cancel = refuse ? 1 : 0; }
    void Form_Unload(int&) override { ++unloads; }
};

class MainWindowTest : public AppTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
};

TEST_F(MainWindowTest, QuitWaitsForEveryWindowAndACancelKeepsTheProgramRunning)
{
    auto& stubborn = app().form<StubbornWindow>();
    OpenChildWindow(stubborn);
    EXPECT_TRUE(input().choose(item("filequitmu")));
    EXPECT_EQ(app().QuitRequested, 1);
    EXPECT_FALSE(runtime().ended());
    EXPECT_TRUE(main().isLoaded());
    EXPECT_TRUE(stubborn.isLoaded());

    stubborn.refuse = false;
    EXPECT_TRUE(input().choose(item("filequitmu")));
    EXPECT_TRUE(runtime().ended());
}

TEST_F(MainWindowTest, ClosingTheMainWindowQuitsToo)
{
    EXPECT_TRUE(input().close(main()));
    EXPECT_EQ(app().QuitRequested, 1);
    EXPECT_TRUE(runtime().ended());
}

TEST_F(MainWindowTest, OpeningAnOpenWindowBringsItBackAsItWas)
{
    auto& stubborn = app().form<StubbornWindow>();
    OpenChildWindow(stubborn);
    stubborn.setCaption("edited");
    EXPECT_TRUE(input().setWindowState(stubborn, WindowState::Minimized));
    OpenChildWindow(app().form<StubbornWindow>());
    EXPECT_EQ(&app().form<StubbornWindow>(), &stubborn);
    EXPECT_EQ(stubborn.windowState(), WindowState::Normal);
    EXPECT_EQ(stubborn.caption(), "edited");
    EXPECT_EQ(runtime().activeForm(), &stubborn);

    EXPECT_TRUE(input().setWindowState(stubborn, WindowState::Minimized));
    OpenChildWindow(stubborn, Opening::ShowOnly);
    EXPECT_EQ(stubborn.windowState(), WindowState::Minimized);
}

TEST_F(MainWindowTest, PrestoreItemsComeBackOnlyWhenTheLastPanelClosesAndTheirWindowExists)
{
    const auto prestoreItems = {kBeginPrestoreItem, kEndPrestoreItem};
    for (auto name : prestoreItems) item(name).setEnabled(true);
    LockPrestoreMenus(app(), true);
    for (auto name : prestoreItems) EXPECT_FALSE(item(name).enabled()) << name;

    // While any of the three panels is open, unlocking leaves them off.
    for (std::int16_t* open : {&app().ServoTestOpen, &app().StepperTestOpen, &app().XyDemoOpen}) {
        *open = 1;
        LockPrestoreMenus(app(), false);
        for (auto name : prestoreItems) EXPECT_FALSE(item(name).enabled()) << name;
        *open = 0;
    }

    // With none open they come back on, unless their window is not part of the program yet.
    LockPrestoreMenus(app(), false);
    for (auto name : prestoreItems) EXPECT_EQ(item(name).enabled(), main().hasAction(name)) << name;
}

TEST_F(MainWindowTest, F1AndHelpContentsOpenTheirTopics)
{
    EXPECT_TRUE(input().press(Key::F1));
    EXPECT_TRUE(input().choose(item("helpcontentsmu")));
    std::vector<int> topics;
    for (const auto& shown : host().shown())
        if (shown.kind == HeadlessHost::Shown::Kind::Help) topics.push_back(shown.topic);
    EXPECT_EQ(topics, (std::vector<int>{kHelpMainWindow, kHelpContents}));
}

TEST(HelpFile, EveryWindowHasItsTopicInTheShippedHelpFile)
{
    const auto path = std::filesystem::path(__FILE__).parent_path() / "../../docs/help" / kHelpFileName;
    std::ifstream file(path);
    ASSERT_TRUE(file.is_open()) << path;
    std::stringstream text;
    text << file.rdbuf();
    for (const char* window : {"mditarvik", "frmerrmsg", "frmasksave", "frmconfbid", "frmconfinit", "frmabout",
                               "frmbadconfig", "frmprefs", "frm62", "frminitstcl", "frmsendcmd", "frmservtest",
                               "frmxyhome", "frmScaleSegments"}) {
        SCOPED_TRACE(window);
        const int topic = helpTopicOf(window);
        ASSERT_NE(topic, 0);
        const auto found = findHelpTopic(text.str(), topic);
        ASSERT_TRUE(found.has_value());
        EXPECT_FALSE(found->title.empty());
        EXPECT_FALSE(found->text.empty());
    }
    EXPECT_EQ(helpTopicOf("frmservtest"), 202);
    EXPECT_EQ(helpTopicOf("frmsendcmd"), 98);
    EXPECT_EQ(helpTopicOf("nosuchwindow"), 0);
    ASSERT_TRUE(findHelpTopic(text.str(), kHelpContents).has_value());
}

TEST_F(MainWindowTest, EachFamilysItemsAreItemsOfTheMenuBarListedOnceAndSwitchedOn)
{
    std::set<std::string_view> items;
    for (const MenuEntry& entry : mainMenuEntries()) items.insert(entry.name);
    std::set<std::string_view> listed;
    for (std::span<const MenuActionEntry> family : familyMenuActions()) {
        for (const MenuActionEntry& entry : family) {
            EXPECT_TRUE(items.contains(entry.item)) << entry.item << " is no item of the menu bar";
            EXPECT_TRUE(listed.insert(entry.item).second) << entry.item << " is listed by two families";
            EXPECT_NE(entry.action, nullptr) << entry.item;
            EXPECT_TRUE(main().hasAction(entry.item)) << entry.item;
        }
    }
    // An item no family lists is shown, disabled; its menu stays usable.
    EXPECT_FALSE(listed.contains("returnioport"));
    EXPECT_FALSE(item("returnioport").enabled());
    EXPECT_TRUE(item("iomu").enabled());
    EXPECT_TRUE(item("loadpidallmu").enabled());
}

TEST(HelpFile, TopicsRunToTheNextHeading)
{
    const std::string text = "intro\n[topic 5] Five\nline a\r\nline b\n\n[topic 50] Fifty\nx\n[topic x] not a heading\n";
    const auto five = findHelpTopic(text, 5);
    ASSERT_TRUE(five.has_value());
    EXPECT_EQ(five->title, "Five");
    EXPECT_EQ(five->text, "line a\nline b");
    EXPECT_EQ(findHelpTopic(text, 50)->text, "x\n[topic x] not a heading");
    EXPECT_FALSE(findHelpTopic(text, 6).has_value());
    EXPECT_EQ(helpFilePath("/opt/tarvik/bin"), std::filesystem::path("/opt/tarvik/bin/../Docs/tarvik-help.txt"));
}

} // namespace
} // namespace tarvik::testing
