#pragma once

#include <string>
#include <vector>

namespace tarvik::msgbox {

// Button sets (combined with an icon by addition, as the windows write them).
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int AbortRetryIgnore = 2;
inline constexpr int YesNoCancel = 3;
inline constexpr int YesNo = 4;
inline constexpr int RetryCancel = 5;

inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

// Answer codes.
inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Abort = 3;
inline constexpr int Retry = 4;
inline constexpr int Ignore = 5;
inline constexpr int Yes = 6;
inline constexpr int No = 7;

// The answers a box with these buttons can give, in the order its buttons stand.
std::vector<int> answersOf(int buttons);

// The answer of a box closed without a choice (what a box asked for while the program is
// ending returns): Cancel where the box has it, else No, else the first button.
int dismissAnswer(int buttons);

// The caption of an answer's button ("OK", "Cancel", "Yes", ...).
std::string answerName(int answer);

} // namespace tarvik::msgbox
