#pragma once

#include <initializer_list>

namespace tarvik::testing {

// Real keys on the X server the on-screen tests run on, sent through its XTEST extension: the
// server delivers them as a keyboard's, to the window that the window manager gave the keyboard,
// after the window manager's own key bindings.
//
// Presses the keys (X keysyms, e.g. XK_Control_L then XK_F4) in order and lets them go in reverse
// order. The keys are on their way when this returns; the test waits for what they do.
void pressKeys(std::initializer_list<unsigned int> keysyms);

} // namespace tarvik::testing
