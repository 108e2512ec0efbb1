#pragma once

#include <deque>
#include <string>

namespace tarvik {

// The error window (ShowErrorMessage) writes both: the messages that calls made while it is
// open leave waiting behind it, and whether it is open, which the test panels and the XY demo
// read to hold back reports of their own.
struct ErrorQueue {
    std::deque<std::string> PendingErrorMessages{};
    bool ErrorWindowOpen = false;
};

} // namespace tarvik
