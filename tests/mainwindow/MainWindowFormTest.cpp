#include "kit/AppFixture.h"

#include <cstdint>
#include <set>
#include <span>

#include "kit/WindowHelpTopics.h"
#include "mainwindow/MainMenus.h"
#include "program/HelpTopics.h"
#include "shell/MainWindowServices.h"

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

class MainWindowFormTest : public AppTest {
protected:
    void SetUp() override { ASSERT_TRUE(start()); }
};

TEST_F(MainWindowFormTest, QuitWaitsForEveryWindowAndACancelKeepsTheProgramRunning)
{
    auto& stubborn = app().form<StubbornWindow>();
    OpenChildWindow(stubborn);
    EXPECT_TRUE(input().choose(item("filequitmu")));
    EXPECT_FALSE(runtime().ended());
    EXPECT_TRUE(main().isLoaded());
    EXPECT_TRUE(stubborn.isLoaded());

    stubborn.refuse = false;
    EXPECT_TRUE(input().choose(item("filequitmu")));
    EXPECT_TRUE(runtime().ended());
}

TEST_F(MainWindowFormTest, ClosingTheMainWindowQuitsToo)
{
    EXPECT_TRUE(input().close(main()));
    EXPECT_TRUE(runtime().ended());
}

TEST_F(MainWindowFormTest, OpeningAnOpenWindowBringsItBackAsItWas)
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

TEST_F(MainWindowFormTest, PrestoreItemsComeBackOnlyWhenTheLastPanelClosesAndTheirWindowExists)
{
    const auto prestoreItems = {kBeginPrestoreItem, kEndPrestoreItem};
    for (auto name : prestoreItems) item(name).setEnabled(true);
    LockPrestoreMenus(app(), true);
    for (auto name : prestoreItems) EXPECT_FALSE(item(name).enabled()) << name;

    // While any of the three panels is open, unlocking leaves them off.
    for (bool* open : {&app().state().windows.ServoTestOpen, &app().state().windows.StepperTestOpen, &app().state().windows.XyDemoOpen}) {
        *open = true;
        LockPrestoreMenus(app(), false);
        for (auto name : prestoreItems) EXPECT_FALSE(item(name).enabled()) << name;
        *open = false;
    }

    // With none open they come back on, unless their window is not part of the program yet.
    LockPrestoreMenus(app(), false);
    for (auto name : prestoreItems) EXPECT_EQ(item(name).enabled(), main().hasAction(name)) << name;
}

TEST_F(MainWindowFormTest, F1AndHelpContentsOpenTheirTopics)
{
    EXPECT_TRUE(input().press(Key::F1));
    EXPECT_TRUE(input().choose(item("helpcontentsmu")));
    std::vector<int> topics;
    for (const auto& shown : host().shown())
        if (shown.kind == HeadlessHost::Shown::Kind::Help) topics.push_back(shown.topic);
    EXPECT_EQ(topics, (std::vector<int>{kHelpMainWindow, kHelpContents}));
}

TEST_F(MainWindowFormTest, EveryWindowOpensTheHelpTopicItDeclares)
{
    for (const WindowHelpTopic& row : windowHelpTopics()) {
        Form& window = row.window(app());
        EXPECT_EQ(window.name(), row.form);
        EXPECT_EQ(window.helpTopic(), row.topic) << row.form;
    }
}

TEST_F(MainWindowFormTest, EachFamilysItemsAreItemsOfTheMenuBarListedOnceAndSwitchedOn)
{
    std::set<std::string_view> items;
    for (const MenuEntry& entry : mainMenuEntries()) items.insert(entry.name);
    std::set<std::string_view> listed;
    for (std::span<const MenuItemRow> family : familyMenuItems()) {
        for (const MenuItemRow& entry : family) {
            EXPECT_TRUE(items.contains(entry.item)) << entry.item << " is no item of the menu bar";
            EXPECT_TRUE(listed.insert(entry.item).second) << entry.item << " is listed by two families";
            EXPECT_NE(entry.action, nullptr) << entry.item;
            EXPECT_TRUE(main().hasAction(entry.item)) << entry.item;
        }
    }
    // Every item that opens a window has its window: only the menus themselves are unlisted.
    for (const MenuEntry& entry : mainMenuEntries()) {
        const bool isMenu = !item(entry.name).items().empty() || entry.caption == "-";
        EXPECT_EQ(listed.contains(entry.name), !isMenu) << entry.name;
    }
}

} // namespace
} // namespace tarvik::testing
