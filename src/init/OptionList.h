#pragma once

#include <cstdint>

namespace tarvik {

class App;
class ListBox;

// Fills `list` with the ten option names of the option file of `board`'s group, as the load and
// save option windows show them. A file that cannot be read is reported in the error window and
// leaves the list empty; so does a `board` that is no configured board.
void FillOptionList(App& app, ListBox& list, std::int16_t board);

} // namespace tarvik
