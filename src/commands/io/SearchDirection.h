#pragma once

#include "common/CommandDesign.h"
#include "program/AxisSettings.h"

#include <string>

namespace tarvik {

class App;
class CommandDialog;

// The search direction of the Find Home and Find Index dialogs: a "Direction" heading over a
// frame holding two options, forward (DirectionForward, 0) above reverse (DirectionReverse, -1),
// each named by a label beside it that selects it when clicked; a click on an option empties
// the status box.
struct SearchDirectionNames {
    std::string headingName;
    std::string forwardName;
    std::string forwardLabelName;
    std::string forwardLabel;
    std::string reverseName;
    std::string reverseLabelName;
    std::string reverseLabel;
};

CommandChoices searchDirectionChoices(SearchDirectionNames names);

// Selects the option of the direction the settings record holds in `field` for axis 1 of the
// dialog's board: reverse for any non-zero value, forward for 0. A board without such a record
// field leaves the options as they are.
void showStoredDirection(const App& app, const CommandDialog& dialog, AxisField field);

} // namespace tarvik
