#include "init/SaveOption.h"

#include "base/NumberText.h"
#include "init/SettingsRanges.h"
#include "program/App.h"
#include "program/OptionFiles.h"

#include <string>

namespace tarvik {

namespace {

std::string optionPlace(int typeCode, int recordNo)
{
    const std::optional<OptionFile> file = optionFileOf(typeCode);
    return "Option " + std::to_string(recordNo) + " of the file \"" + std::string(file ? file->name : "") + "\"";
}

// Why the board or option number cannot be used; empty when both can.
std::string refusal(const App& app, std::int16_t boardId, int recordNo)
{
    if (!app.state().boards.isBoard(boardId)) return "There is no board with ID " + std::to_string(boardId) + ".";
    if (recordNo < 1 || recordNo > kOptionCount)
        return "There is no option " + std::to_string(recordNo) + "; options are numbered 1 to 10.";
    return {};
}

int typeOf(const App& app, std::int16_t boardId)
{
    return app.state().boards.BoardType[static_cast<std::size_t>(boardId)];
}

// The name the saved option gets: the given one, trimmed; for a blank one the record's own
// name, or, when the record has none (it was never read from a file), the name the option
// already has in the file, so that saving never blanks a name.
FileResult<FixedName> nameToStore(const App& app, std::int16_t boardId, std::string_view optionName, int recordNo)
{
    if (const std::string given = trim(optionName); !given.empty()) return FixedName(given);
    const int type = typeOf(app, boardId);
    FixedName own;
    visitRecord(app.state().Settings, type, boardId, [&](const auto& record) { own = record.Name; });
    if (!own.trimmed().empty()) return own;
    FileResult<std::vector<FixedName>> names = readOptionNames(type);
    if (!names) return FileError{names.error()};
    return names.value()[static_cast<std::size_t>(recordNo - 1)];
}

} // namespace

std::int16_t& OptionOf(App& app, BoardGroup group) { return app.state().wizards.GroupOption[group]; }

std::int16_t& BoardOf(App& app, BoardGroup group) { return app.state().wizards.WizardBoard[group]; }

std::int16_t& BoardShownOf(App& app, BoardGroup group) { return app.state().wizards.WizardBoardShown[group]; }

FileStatus SaveOption(App& app, std::int16_t boardId, std::string_view optionName, int recordNo)
{
    if (std::string refused = refusal(app, boardId, recordNo); !refused.empty()) return FileError{refused};
    const int type = typeOf(app, boardId);
    if (std::string problem = FirstValueOutOfRange(app.state().Settings, type, boardId); !problem.empty())
        return FileError{optionPlace(type, recordNo) + " was not saved: the settings hold a value out of range, " +
                         problem};

    FileResult<FixedName> name = nameToStore(app, boardId, optionName, recordNo);
    if (!name) return FileError{name.error()};
    SettingsTables named = app.state().Settings;
    visitRecord(named, type, boardId, [&](auto& record) { record.Name = name.value(); });
    if (FileStatus written = writeOption(named, type, boardId, recordNo); !written) return written;

    app.state().Settings = std::move(named);
    app.state().boards.SettingsChanged[static_cast<std::size_t>(boardId)] = 0;
    return fileOk();
}

FileStatus LoadOption(App& app, std::int16_t boardId, int recordNo)
{
    if (std::string refused = refusal(app, boardId, recordNo); !refused.empty()) return FileError{refused};
    const int type = typeOf(app, boardId);
    SettingsTables read = app.state().Settings;
    if (FileStatus status = readOption(read, type, boardId, recordNo); !status) return status;
    app.state().Settings = std::move(read);
    return fileOk();
}

} // namespace tarvik
