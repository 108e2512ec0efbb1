#pragma once

namespace tarvik {

// Help topic numbers. Topic 0 is the contents of the help file; every window names its own topic,
// the number F1 opens in it, where it is declared. The windows of the main program's shell:
inline constexpr int kHelpContents = 0;
inline constexpr int kHelpMainWindow = 300;
inline constexpr int kHelpErrorWindow = 301;
inline constexpr int kHelpAskSave = 302;
inline constexpr int kHelpConfirmBoard = 303;
inline constexpr int kHelpConfirmInit = 304;
inline constexpr int kHelpAbout = 305;
inline constexpr int kHelpBadConfiguration = 306;
inline constexpr int kHelpPreferences = 307;

} // namespace tarvik
