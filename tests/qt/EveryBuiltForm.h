#pragma once

#include "RunningProgram.h"

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace tarvik::testing {

// Asks, in the preference file of the working directory, for these boards to be initialised at
// start-up; called before the program starts, it switches on the Test and Demo items they serve.
void initialiseAtStartUp(std::initializer_list<std::int16_t> boardIds);

// Opens every window the running program's menus reach, on the built-in boards (one of each
// board-type group, so every menu is switched on once they are initialised): each enabled menu
// item is chosen in turn, and every form it shows, modal or modeless, and every form those show,
// is handed to `visit` once while it is on screen, then closed. Windows added to the program
// later are covered without naming them here; a few that only a panel's own buttons open are
// reached by walking that panel as a user would.
void visitEveryBuiltForm(RunningProgram& program, const std::function<void(Form&)>& visit);
// The same, with the menu item whose choice showed the window.
void visitEveryBuiltForm(RunningProgram& program, const std::function<void(Form&, const MenuItem& chosen)>& visit);

// True while `form` is one of the runtime's loaded forms (a visit that waits may see it go; the
// form is not touched, it may be gone).
bool isLoaded(const Runtime& runtime, const Form& form);

// "\"caption\" (form name) / control": where a finding stands.
std::string where(const Form& form, const Control& control);

// "form caption / control: what is wrong" lines, one per finding, for a failure message.
std::string listed(const std::vector<std::string>& findings);

} // namespace tarvik::testing
