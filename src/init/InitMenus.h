#pragma once

#include "program/MenuBar.h"

#include <span>

namespace tarvik {

// The menu items of the initialisation windows: the set-up dialogs and Load PID All.
std::span<const MenuItemRow> initMenuItems();

} // namespace tarvik
