#pragma once

#include "program/PreferenceFile.h"

#include <optional>

namespace tarvik {

class App;

// The start-up step for the boards' options once the preferences are read (reading them created
// the missing settings files): each configured board's preferred option is read into its record;
// then every board whose preference asks for it (and whose option could be read, every value in
// range) is initialised with its group's wizard loaded hidden and filled from the record, as the
// Initialize Board menu would fill it; the wizard's caption and the board's Initialize Board item
// show the outcome, and a failure names the board and the option. A test move that never ends
// gives up on its board after kMoveDoneTimeoutMicros, reported once, and the next board follows.
//
// It runs under the progress window (InitializeWatched): a stop kills the motion of the board
// mid-sequence and leaves it and the boards after it not initialised, said in one message;
// closing the main window or File > Quit stops the same way and the program then ends.
// Without preferences (the file could not be read) no board is initialised.
void PrepareBoardOptions(App& app, const std::optional<Preferences>& preferences);

} // namespace tarvik
