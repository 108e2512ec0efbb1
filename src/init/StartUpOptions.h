#pragma once

#include "program/PerBoard.h"
#include "program/PreferenceFile.h"

namespace tarvik {

class App;

// The start-up step for the boards' options, once the board table is filled and the missing
// settings files were created (LoadPreferencesAsking): offers to replace each option file of a
// configured board that has the wrong size with the ten default options (replaced only on
// Yes), then reads into each configured board's table entry the option its preference record
// names (option 1 when that lies outside 1..10). Files that cannot be replaced and options that
// cannot be read are shown in the error window, naming the file; the board then keeps its
// group's default record. An option file that is still missing is not reported again: its
// creation failed and was reported with the other settings files. An option read with a value
// out of range is kept in the record as read and reported (OutOfRangeReport). True per board ID
// whose option was read with every value in range: only those may be initialised at start-up.
PerBoard<bool> ReadStartUpOptions(App& app, const Preferences& preferences);

} // namespace tarvik
