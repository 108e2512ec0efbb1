#pragma once

#include "program/PreferenceFile.h"

#include <optional>

namespace tarvik {

class App;

// The preferences from the preference file. First the temporary files a save killed half-way
// left are removed, and the settings files that are missing are created: the preference file
// and the option files, all at once, so that files that cannot be made (a read-only working
// directory, a full disk) are reported together in one error window with the system's reason; without a preference file nothing is returned then. A file that
// cannot be read (short, long, damaged) is reported and replaced with the defaults only when
// the user agrees; without that agreement nothing is returned and the file stays as it is.
// A file that cannot be written is reported in the error window.
std::optional<Preferences> LoadPreferencesAsking(App& app);

// The same without creating anything: the preferences from the preference file as it stands,
// a damaged file replaced only when the user agrees; nothing without a file.
std::optional<Preferences> ReadPreferencesAsking(App& app);

} // namespace tarvik
