#pragma once

#include "app/PreferenceFile.h"

#include <optional>

namespace tarvik {

class App;

// The preferences from the preference file, created first when it is missing. A file that
// cannot be read (short, long, damaged) is reported and replaced with the defaults only when
// the user agrees; without that agreement nothing is returned and the file stays as it is.
// A file that cannot be written is reported in the error window.
std::optional<Preferences> LoadPreferencesAsking(App& app);

// The start-up step for the boards' settings, once the board table is filled: the preference
// file (created when missing, checked when present). The option files and the automatic
// initialisation of the boards whose preference asks for it belong here as well.
void PrepareBoardSettings(App& app);

} // namespace tarvik
