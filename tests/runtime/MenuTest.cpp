#include "TestForms.h"

namespace tarvik::testing {
namespace {

using Lines = std::vector<std::string>;

// A View menu whose Click, as it opens, ticks and switches its items by the window's state, as
// the classic handlers do before their items are shown.
struct ViewWindow : Form {
    MenuItem viewmu{this, "viewmu", {.caption = "&View"}};
    MenuItem gridmu{this, "gridmu", {.caption = "&Grid", .container = &viewmu}};
    MenuItem zoommu{this, "zoommu", {.caption = "&Zoom", .container = &viewmu}};
    MenuItem zoominmu{this, "zoominmu", {.caption = "Zoom &In", .container = &zoommu}};
    bool grid = true;
    bool zoomAllowed = true;
    Lines clicks;

    explicit ViewWindow(Runtime& r) : Form(r, "frmview", {.mdiChild = false})
    {
        viewmu.onClick = [this] {
            clicks.push_back("view");
            gridmu.setChecked(grid);
            zoommu.setEnabled(zoomAllowed);
        };
        zoommu.onClick = [this] { clicks.push_back("zoom"); };
        zoominmu.onClick = [this] { clicks.push_back("zoom in"); };
    }
};

TEST_F(RuntimeTest, OpeningAMenuRaisesItsClickBeforeItsItemsAreChosen)
{
    auto& view = rt.instance<ViewWindow>(rt);
    view.show();

    // Opening and picking as a menu bar does: each Click once, the opened menu's first.
    EXPECT_TRUE(in.openMenu(view.viewmu));
    EXPECT_TRUE(view.gridmu.checked());
    EXPECT_TRUE(in.openMenu(view.zoommu));
    EXPECT_TRUE(in.pick(view.zoominmu));
    EXPECT_EQ(view.clicks, (Lines{"view", "zoom", "zoom in"}));

    // Choosing in one go opens the menus outermost first and raises no Click twice.
    view.clicks.clear();
    view.grid = false;
    EXPECT_TRUE(in.choose(view.zoominmu));
    EXPECT_EQ(view.clicks, (Lines{"view", "zoom", "zoom in"}));
    EXPECT_FALSE(view.gridmu.checked());

    // A handler that switches off what lies below it ends the choice there.
    view.clicks.clear();
    view.zoomAllowed = false;
    EXPECT_TRUE(in.choose(view.zoominmu));
    EXPECT_EQ(view.clicks, (Lines{"view"}));
    EXPECT_FALSE(in.openMenu(view.zoommu));
    EXPECT_FALSE(in.pick(view.zoominmu));
    EXPECT_EQ(view.clicks, (Lines{"view"}));
}

TEST_F(RuntimeTest, MenuPositionsFollowTheOrderTheMenusShow)
{
    struct BoardWindow : Form {
        MenuItem filemu{this, "filemu", {.caption = "&File"}};
        MenuItem openmu{this, "openmu", {.caption = "&Open", .container = &filemu}};
        MenuItem sepmu{this, "sepmu", {.caption = "-", .container = &filemu}};
        MenuItem hiddenmu{this, "hiddenmu", {.caption = "&Hidden", .container = &filemu, .visible = false}};
        MenuItem quitmu{this, "quitmu", {.caption = "&Quit", .container = &filemu}};
        MenuItem helpmu{this, "helpmu", {.caption = "&Help"}};
        ControlArray<MenuItem> recentmu{this, "recentmu"};
        explicit BoardWindow(Runtime& r) : Form(r, "frmboards", {.mdiChild = false}) {}
    };
    auto& window = rt.instance<BoardWindow>(rt);
    EXPECT_EQ(window.filemu.position(), 0);
    EXPECT_EQ(window.helpmu.position(), 1);
    EXPECT_EQ(window.openmu.position(), 0);
    EXPECT_EQ(window.sepmu.position(), 1);
    EXPECT_EQ(window.hiddenmu.position(), 2);
    EXPECT_EQ(window.quitmu.position(), 3);

    // Elements added while the window is open go to the end of their menu, whatever their index.
    MenuItem& second = window.recentmu.add(2, {.caption = "2 b.sol", .container = &window.filemu});
    MenuItem& first = window.recentmu.add(1, {.caption = "1 a.sol", .container = &window.filemu});
    EXPECT_EQ(second.position(), 4);
    EXPECT_EQ(first.position(), 5);
    const auto items = window.filemu.items();
    ASSERT_EQ(items.size(), 6u);
    EXPECT_EQ(items[static_cast<std::size_t>(first.position())], &first);
}

} // namespace
} // namespace tarvik::testing
