#pragma once

#include <initializer_list>

namespace tarvik {

class CommandButton;

// The keyboard at the end of a run. A run disables its window's Start button, so the focus
// passes on to a stop button, where Space stops the run; when the run is over the keyboard goes
// back to Start, so that Space starts the next run. Only a focus on a stop button moves, also
// one that the run's end passed on by disabling the stop button; a control the user chose during
// the run keeps the focus. The move stays inside the window: it neither activates nor raises one.
//
// Made before the run's end sets the controls back to idle, applied once they are.
class FocusBackToStart {
public:
    FocusBackToStart(CommandButton& start, std::initializer_list<const CommandButton*> stops);

    // Puts the focus on Start when it was on a stop button and Start takes input again.
    void apply() const;

private:
    CommandButton& start_;
    bool onStop_ = false;
};

} // namespace tarvik
