#pragma once

#include "program/MenuBar.h"

#include <span>
#include <string_view>
#include <vector>

namespace tarvik {

// One menu or item of the menu bar.
struct MenuEntry {
    std::string_view name;    // the item's control name
    std::string_view caption; // "-" is a separator
    std::string_view parent;  // the enclosing menu's name; empty for the menu bar
};

// The main window's menus in display order; every parent comes before its items. The
// Initialize Board items `bidmu(0..7)` are added by the main window under `initboardmu`.
std::span<const MenuEntry> mainMenuEntries();

// The actions of the items each window family has built, one table per family. An item gets its
// action from the family that lists it; an item no family lists is shown disabled.
std::vector<std::span<const MenuActionEntry>> familyMenuActions();

} // namespace tarvik
