#pragma once

#include <cstdint>

namespace tarvik {

// What the user has picked, as the windows hand it on to each other.
struct Selections {
    // Set by the Initialize Board menu and the wizards, read by the option windows, set-up
    // dialogs and board picker.
    std::int16_t CurrentBoard = 0;
    // The axis the command dialogs with a shared axis hand on to each other.
    std::int16_t CurrentAxis = 1;
    // The groups a board list shows, set by the window that fills it.
    std::int16_t BoardListMask = 0;
    // Set by a window around a value it writes itself, read by the range checks.
    bool RangeCheckOff = false;
    // The row picked in the Load Option or Save Option window's list (-1 none).
    std::int16_t OptionListIndex = -1;
};

} // namespace tarvik
