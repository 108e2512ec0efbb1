#include "program/PreferencesAsking.h"

#include "program/App.h"
#include "program/Shell.h"

#include <string>

namespace tarvik {

std::optional<Preferences> LoadPreferencesAsking(App& app)
{
    if (FileResult<bool> created = PreferenceFile::createIfMissing(); !created) {
        ShowErrorMessage(app, created.error());
        return std::nullopt;
    }
    FileResult<Preferences> preferences = PreferenceFile::load();
    if (preferences) return preferences.value();
    const std::string question = preferences.error() + "\n\nReplace the preference file " +
                                 std::string(PreferenceFile::kName) +
                                 " with the defaults (option 1, no initialisation at start-up, for every board)?";
    if (app.runtime().msgBox(question, msgbox::YesNo + msgbox::Exclamation, "Preferences") != msgbox::Yes)
        return std::nullopt;
    if (FileStatus replaced = PreferenceFile::replace(Preferences{}); !replaced) {
        ShowErrorMessage(app, replaced.error());
        return std::nullopt;
    }
    return Preferences{};
}

} // namespace tarvik
