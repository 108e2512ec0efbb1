#pragma once

#include <span>
#include <string_view>
#include <utility>

namespace tarvik {

// Help topic numbers. Topic 0 is the contents of the help file; every window has one topic,
// the number F1 opens in it. The windows of the main program's shell:
inline constexpr int kHelpContents = 0;
inline constexpr int kHelpMainWindow = 300;
inline constexpr int kHelpErrorWindow = 301;
inline constexpr int kHelpAskSave = 302;
inline constexpr int kHelpConfirmBoard = 303;
inline constexpr int kHelpConfirmInit = 304;
inline constexpr int kHelpAbout = 305;
inline constexpr int kHelpBadConfiguration = 306;
inline constexpr int kHelpPreferences = 307;

// A window's form name and its help topic.
using WindowHelpTopic = std::pair<std::string_view, int>;

// The help topic of a window by its form name (e.g. "frm62"); 0 for a window without one.
int helpTopicOf(std::string_view formName);

// Every window that has a help topic, sorted by form name.
std::span<const WindowHelpTopic> windowHelpTopics();

} // namespace tarvik
