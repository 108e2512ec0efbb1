#pragma once

#include "common/CommandDesign.h"

#include <functional>
#include <string>

namespace tarvik {

// The aux digital I/O dialogs of the stepper boards share one shape on the command dialog frame:
// board-level, only stepper boards listed (kStepperGroups), no entry field, so Run is enabled
// whenever a board is listed. Their board list has no key or focus handler and their status box
// none of its own: only a click on the window empties it. `boardLabelName` names the board
// list's caption label, away from the dialog's own labels; F1 opens `helpTopic`.
CommandDesign auxIoDesign(std::string name, std::string caption, int helpTopic, std::string boardLabelName,
                          std::function<DriverStatus(CommandRun&)> call);

} // namespace tarvik
