#pragma once

namespace tarvik {

class App;
class ListBox;

// Fills `list` with the ten option names of the option file of `CurrentBoard`'s group, as the
// load and save option windows show them. A file that cannot be read is reported in the error
// window and leaves the list empty; so does a `CurrentBoard` that is no configured board.
void FillOptionList(App& app, ListBox& list);

} // namespace tarvik
