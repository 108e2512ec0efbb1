#pragma once

#include "program/MenuBar.h"

#include <span>
#include <string_view>
#include <vector>

namespace tarvik {

// One menu or item of the menu bar.
struct MenuEntry {
    std::string_view name;       // the item's control name
    std::string_view caption;    // "-" is a separator
    std::string_view parent;     // the enclosing menu's name; empty for the menu bar
    MenuAction action = nullptr; // what choosing the item does; none for a menu or a separator
};

// The main window's menus in display order, every parent before its items: the main window's
// menus and separators with the families' items, each menu's rows in the order of their places.
// The Initialize Board items `bidmu(0..7)` are added by the main window under `initboardmu`.
// Throws std::logic_error when the rows do not make one menu bar: a name listed twice, two rows
// on one place of a menu, or a row in a menu the bar does not have.
std::vector<MenuEntry> mainMenuEntries();

// The items of each window family, one table per family.
std::vector<std::span<const MenuItemRow>> familyMenuItems();

} // namespace tarvik
