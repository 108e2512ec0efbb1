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

} // namespace
} // namespace tarvik::testing
