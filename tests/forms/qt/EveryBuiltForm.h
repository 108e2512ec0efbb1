#pragma once

#include "RunningProgram.h"

#include <functional>
#include <string>
#include <vector>

namespace tarvik::testing {

// Opens every window the running program's menus reach, on the built-in boards (one of each
// board-type group, so every menu is switched on): each enabled menu item is chosen in turn, and
// every form it shows, modal or modeless, and every form those show, is handed to `visit` once
// while it is on screen, then closed. Windows added to the program later are covered without
// naming them here.
void visitEveryBuiltForm(RunningProgram& program, const std::function<void(Form&)>& visit);

// "form caption / control: what is wrong" lines, one per finding, for a failure message.
std::string listed(const std::vector<std::string>& findings);

} // namespace tarvik::testing
