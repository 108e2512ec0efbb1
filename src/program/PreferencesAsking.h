#pragma once

#include "program/PreferenceFile.h"

#include <optional>

namespace tarvik {

class App;

// The preferences from the preference file, created first when it is missing. A file that
// cannot be read (short, long, damaged) is reported and replaced with the defaults only when
// the user agrees; without that agreement nothing is returned and the file stays as it is.
// A file that cannot be written is reported in the error window.
std::optional<Preferences> LoadPreferencesAsking(App& app);

} // namespace tarvik
