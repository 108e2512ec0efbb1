#include "mainwindow/MainMenus.h"

#include "commands/io/IoMenus.h"
#include "commands/motion/MotionMenus.h"
#include "init/InitMenus.h"
#include "panels/PanelMenus.h"
#include "shell/ShellMenus.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>

namespace tarvik {

namespace {

// The menus and the separators of the menu bar; the items in them are the window families'.
const auto kMenus = std::to_array<MenuItemRow>({
    {"filemu", "&File", "", 10},
    {"filesepmu", "-", "filemu", 20},

    {"functionsmu", "F&unctions", "", 20},
    {"initializationmu", "Initialization", "functionsmu", 10},
    {"trajectorymu", "Trajectory Control", "functionsmu", 20},
    {"startstopmu", "Start/Stop", "functionsmu", 30},
    {"servomu", "Servo", "functionsmu", 40},
    {"steppermu", "Stepper", "functionsmu", 50},
    {"stepclmu", "Stepper Closed Loop", "functionsmu", 60},
    {"iomu", "Inputs/Outputs/Breakpoints", "functionsmu", 70},
    {"generalmu", "General", "functionsmu", 80},
    {"rdbmu", "Advanced RDB Functions", "functionsmu", 90},

    {"initboardmu", "&Initialize Board", "", 30},

    {"testmu", "&Test", "", 40},

    {"demomu", "&Demo", "", 50},

    {"helpmu", "&Help", "", 60},
    {"helpsepmu", "-", "helpmu", 20},
});

// Appends the rows of `menu`, each followed by its own rows; `byPlace` is sorted by place.
void appendMenu(std::string_view menu, std::span<const MenuItemRow> byPlace, std::vector<MenuEntry>& entries)
{
    for (const MenuItemRow& row : byPlace) {
        if (row.menu != menu) continue;
        entries.push_back({row.item, row.caption, row.menu, row.action});
        appendMenu(row.item, byPlace, entries);
    }
}

// A mistake in the tables would show a menu in another order, or lose an item, without a word:
// it stops the start instead.
[[noreturn]] void refuse(const std::string& problem) { throw std::logic_error("menu bar: " + problem); }

void refuseClashes(std::span<const MenuItemRow> byMenuAndPlace)
{
    std::set<std::string_view> names;
    for (const MenuItemRow& row : byMenuAndPlace)
        if (!names.insert(row.item).second) refuse(std::string(row.item) + " is listed twice");
    const auto clash = std::ranges::adjacent_find(byMenuAndPlace, [](const MenuItemRow& a, const MenuItemRow& b) {
        return a.menu == b.menu && a.place == b.place;
    });
    if (clash != byMenuAndPlace.end())
        refuse(std::string(clash->item) + " and " + std::string(std::next(clash)->item) + " share place " +
               std::to_string(clash->place) + " in " + std::string(clash->menu));
}

} // namespace

std::vector<MenuEntry> mainMenuEntries()
{
    std::vector<MenuItemRow> rows(kMenus.begin(), kMenus.end());
    for (std::span<const MenuItemRow> family : familyMenuItems()) rows.insert(rows.end(), family.begin(), family.end());
    std::ranges::sort(rows, {}, [](const MenuItemRow& row) { return std::pair(row.menu, row.place); });
    refuseClashes(rows);

    std::vector<MenuEntry> entries;
    appendMenu("", rows, entries);
    if (entries.size() != rows.size()) {
        std::set<std::string_view> shown;
        for (const MenuEntry& entry : entries) shown.insert(entry.name);
        for (const MenuItemRow& row : rows)
            if (!shown.contains(row.item))
                refuse(std::string(row.item) + " is in " + std::string(row.menu) + ", which is no menu of the bar");
    }
    return entries;
}

std::vector<std::span<const MenuItemRow>> familyMenuItems()
{
    return {shellMenuItems(), initMenuItems(), motionCommandMenuItems(), ioCommandMenuItems(), panelMenuItems()};
}

} // namespace tarvik
