#pragma once

#include "driver/BoardTypes.h"

#include <cstdint>

namespace tarvik {

class App;
class Wizard;

// The wizard of a board-type group: its window, created and loaded (hidden) when needed.
Wizard& WizardOf(App& app, BoardGroup group);
// The wizard of a group when it is loaded, else nullptr.
Wizard* LoadedWizardOf(App& app, BoardGroup group);

// Fills the wizard of the board's group from the board's settings record (loading the wizard
// hidden when needed); nothing when the board has no group.
void RecordToForm(App& app, std::int16_t board);

// Whether LoadBoardIntoWizard reads the option from the option file or finds it in the
// board's record already (start-up has read it).
enum class OptionSource { File, Record };

// Makes `board` the one its group's wizard shows: the group's WizardBoard and WizardBoardShown
// slots and CurrentBoard; reads the option (one outside 1..10 counts as 1) into the board's record
// and makes it the group's GroupOption slot. An option that cannot be read is reported, and the
// record and that slot stay as they were; one read from the file with a value out of range is
// reported too (OutOfRangeReport) and kept, so that the wizard shows it to be mended. Then fills
// the wizard and shows the board's initialisation state on it (ShowInitState). The wizard is not
// shown. False when `board` is not a configured board.
bool LoadBoardIntoWizard(App& app, std::int16_t board, int option, OptionSource source = OptionSource::File);

// The board's initialisation state on its group's wizard: Find Home and Find Index usable only
// when it is initialised, and the caption with the model name (InitStateCaption).
void ShowInitState(App& app, std::int16_t board);

// The Initialize Board pick of a board: confirmation when the group's wizard shows another
// board, the save question for unsaved edits of the board it showed (Cancel ends the pick),
// then LoadBoardIntoWizard with the option the board's preference names, and the wizard shown.
void PickBoardToInitialize(App& app, int board);

// Writes the board's initialisation state into its Initialize Board item:
// "ID n: model -- Initialized using Option k" or "... -- Not Initialized".
void ShowInitStateInMenu(App& app, std::int16_t board);

} // namespace tarvik
