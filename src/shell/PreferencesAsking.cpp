#include "shell/PreferencesAsking.h"

#include "program/App.h"
#include "program/OptionFiles.h"
#include "shell/Shell.h"

#include <string>
#include <vector>

namespace tarvik {

namespace {

// Creates the preference file and the option files that are missing; one message for those
// that could not be made, rather than one window per file and more for each board after them.
// Temporary files a save left when the program was killed during it go first.
void createMissingSettingsFiles(App& app)
{
    std::vector<NewRecordFile> files{PreferenceFile::newFile()};
    for (NewRecordFile& file : newOptionFiles()) files.push_back(std::move(file));
    for (const NewRecordFile& file : files) file.file.removeStaleTemporaries();
    if (FileStatus created = RecordFile::createMissing(files); !created)
        ShowErrorMessage(app, created.error() + "\n\nTarvik goes on with the default settings in their place.");
}

} // namespace

std::optional<Preferences> LoadPreferencesAsking(App& app)
{
    createMissingSettingsFiles(app);
    return ReadPreferencesAsking(app);
}

std::optional<Preferences> ReadPreferencesAsking(App& app)
{
    if (!PreferenceFile::exists()) return std::nullopt;
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
