#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace tarvik {
class App;
class Form;
} // namespace tarvik

namespace tarvik::testing {

// A window of the program, the help topic F1 opens in it, and how a test gets it.
struct WindowHelpTopic {
    std::string_view form;
    int topic;
    Form& (*window)(App&); // the App's instance of the window; the main window must be started
};

// Every window that has a help topic: the record of the topics the windows declare themselves.
std::span<const WindowHelpTopic> windowHelpTopics();

// A help page that more than one window opens on purpose, and the windows that share it.
struct SharedHelpTopic {
    int topic;
    std::vector<std::string_view> forms;
};

// The only topics two windows may share; every other window's topic is its own.
std::span<const SharedHelpTopic> sharedHelpTopics();

} // namespace tarvik::testing
