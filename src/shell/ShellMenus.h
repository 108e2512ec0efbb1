#pragma once

#include "program/MenuBar.h"

#include <span>

namespace tarvik {

// The menu items of the shell windows: File > Preferences and Quit, Help > Contents and About.
std::span<const MenuItemRow> shellMenuItems();

} // namespace tarvik
