#pragma once

#include "common/CommandDialog.h"

namespace tarvik {

// Load Steps and Lines / Rev: load_steps_lines, the motor steps (1 to 32767) and encoder lines
// (1 to 16383) per revolution of one axis of a closed-loop stepper board, packed into one 32-bit
// value. The axis goes through CurrentAxis. The sent counts are kept as the axis's StepsPerRev
// and LinesPerRev after status 0, and the boxes open with those of axis 1.
class LoadStepsAndLinesDialog : public CommandDialog {
public:
    explicit LoadStepsAndLinesDialog(App& app);

    TextBox& stepsrevtxt = field(0);
    TextBox& linesrevtxt = field(1);
};

} // namespace tarvik
