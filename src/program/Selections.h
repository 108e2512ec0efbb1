#pragma once

#include <cstdint>

namespace tarvik {

// What the user has picked, as the windows hand it on to each other.
struct Selections {
    // The board a command dialog's list preselects: set by the Initialize Board menu and by a
    // wizard as it loads or comes to the front, read by the board picker.
    std::int16_t CurrentBoard = 0;
    // The axis the command dialogs with a shared axis hand on to each other.
    std::int16_t CurrentAxis = 1;
};

} // namespace tarvik
