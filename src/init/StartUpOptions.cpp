#include "init/StartUpOptions.h"

#include "init/SaveOption.h"
#include "init/SettingsRanges.h"
#include "program/App.h"
#include "program/OptionFiles.h"
#include "shell/Shell.h"

#include <string>

namespace tarvik {

namespace {

bool usedByABoard(const App& app, const OptionFile& file)
{
    for (std::int16_t id = 0; id < kBoardIdCount; ++id) {
        if (!app.state().boards.isBoard(id)) continue;
        const std::optional<OptionFile> own = optionFileOf(app.state().boards.BoardType[static_cast<std::size_t>(id)]);
        if (own && own->name == file.name) return true;
    }
    return false;
}

// Offers to replace each damaged option file that a configured board uses with the ten default
// options. Without the user's Yes the file stays as it is (its options may still be recovered
// by hand); reading and saving its options then report the damage.
void offerToReplaceDamagedFiles(App& app)
{
    for (const OptionFile& file : allOptionFiles()) {
        if (!usedByABoard(app, file)) continue;
        const std::optional<FileError> damage = optionFileDamage(file);
        if (!damage) continue;
        const std::string question = damage->message + "\n\nReplace the option file " + std::string(file.name) +
                                     " with the defaults (ten options named \"option 1:\" to \"option 10:\")?";
        if (app.runtime().msgBox(question, msgbox::YesNo + msgbox::Exclamation, "Options") != msgbox::Yes) continue;
        if (FileStatus replaced = replaceWithDefaultOptions(file); !replaced) ShowErrorMessage(app, replaced.error());
    }
}

} // namespace

PerBoard<bool> ReadStartUpOptions(App& app, const Preferences& preferences)
{
    offerToReplaceDamagedFiles(app);

    PerBoard<bool> read{};
    for (std::int16_t id = 0; id < kBoardIdCount; ++id) {
        if (!app.state().boards.isBoard(id)) continue;
        const int option = preferences[static_cast<std::size_t>(id)].option();
        if (FileStatus loaded = LoadOption(app, id, option); !loaded) {
            // A missing file was reported once, with every file that could not be created.
            const std::optional<OptionFile> file = optionFileOf(app.state().boards.BoardType[static_cast<std::size_t>(id)]);
            if (!file || optionFileExists(*file))
                ShowErrorMessage(app, "The settings of board ID " + std::to_string(id) +
                                          " keep their defaults: " + loaded.error());
            continue;
        }
        // The record stays as read, so that its wizard can show it to be mended.
        if (std::string report = OutOfRangeReport(app, id, option); !report.empty()) {
            ShowErrorMessage(app, report);
            continue;
        }
        read[static_cast<std::size_t>(id)] = true;
    }
    return read;
}

} // namespace tarvik
