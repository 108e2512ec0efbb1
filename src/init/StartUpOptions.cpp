#include "init/StartUpOptions.h"

#include "app/App.h"
#include "app/Shell.h"
#include "init/OptionFiles.h"
#include "init/SaveOption.h"

namespace tarvik {

PerBoard<bool> ReadStartUpOptions(App& app, const Preferences& preferences)
{
    for (const FileError& error : createMissingOptionFiles()) ShowErrorMessage(app, error.message);

    PerBoard<bool> read{};
    for (std::int16_t id = 0; id < kBoardIdCount; ++id) {
        if (!app.isBoard(id)) continue;
        const int option = preferences[static_cast<std::size_t>(id)].option();
        if (FileStatus loaded = LoadOption(app, id, option); !loaded) {
            ShowErrorMessage(app, "The settings of board ID " + std::to_string(id) +
                                      " keep their defaults: " + loaded.error());
            continue;
        }
        read[static_cast<std::size_t>(id)] = true;
    }
    return read;
}

} // namespace tarvik
