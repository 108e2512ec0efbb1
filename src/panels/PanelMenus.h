#pragma once

#include "program/MenuBar.h"

#include <span>

namespace tarvik {

// The menu items of the test panels and the XY-table demo (Test and Demo menus).
std::span<const MenuItemRow> panelMenuItems();

} // namespace tarvik
