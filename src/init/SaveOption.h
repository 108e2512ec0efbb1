#pragma once

#include <cstdint>
#include <string_view>

#include "driver/BoardTypes.h"
#include "program/FileResult.h"

namespace tarvik {

class App;

// Writes the board's settings record as option `recordNo` (1..10) of the board's option file;
// only that record of the file changes. A non-blank `optionName` first becomes the record's
// name (trimmed, blank-padded to 32 characters); a blank one keeps the record's name, or the
// option's name in the file when the record has none. On success
// SettingsChanged of the board is 0. A record holding a value outside its range is not written
// (it could not be loaded again). Nothing is shown: the caller reports an error. The group's
// GroupOption slot is left as it is.
FileStatus SaveOption(App& app, std::int16_t boardId, std::string_view optionName, int recordNo);

// Reads option `recordNo` (1..10) of the board's option file into the board's table entry. A
// missing, short, oversized or damaged file gives an error naming the file, the option and the
// problem, and the table entry stays as it was. A record holding a value outside its range is
// read as it stands, so that the option can be opened and mended: the caller reports it
// (OutOfRangeReport), the wizard's fill shows the bound instead, and nothing sends it. Nothing is shown, and neither
// SettingsChanged nor the group's GroupOption slot changes: the caller does what its window says.
FileStatus LoadOption(App& app, std::int16_t boardId, int recordNo);

// The shared-state slots of each group's wizard (GroupOption, WizardBoard, WizardBoardShown): the
// option last loaded or used, the board the wizard acts on and the board it last showed (-1
// none). The 3-axis and 2/4-axis wizards of one kind each have their own.
std::int16_t& OptionOf(App& app, BoardGroup group);
std::int16_t& BoardOf(App& app, BoardGroup group);
std::int16_t& BoardShownOf(App& app, BoardGroup group);

} // namespace tarvik
