#pragma once

#include "program/MenuBar.h"

#include <span>

namespace tarvik {

// The menu items of the I/O, trigger, buffer and board-information dialogs.
std::span<const MenuItemRow> ioCommandMenuItems();

} // namespace tarvik
