#pragma once

#include "program/PreferenceFile.h"
#include "program/SharedState.h"

namespace tarvik {

class App;

// The start-up step for the boards' options, once the board table is filled: creates every
// option file that is missing, offers to replace each option file of a configured board that
// has the wrong size with the ten default options (replaced only on Yes), then reads into each
// configured board's table entry the option its preference record names (option 1 when that
// lies outside 1..10). Files that cannot be created or replaced and options that cannot be read
// are shown in the error window, naming the file; the board then keeps its group's default
// record. True per board ID whose option was read: only those may be initialised at start-up.
PerBoard<bool> ReadStartUpOptions(App& app, const Preferences& preferences);

} // namespace tarvik
