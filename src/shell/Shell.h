#pragma once

#include <cstdint>
#include <string>

namespace tarvik {

class App;
class Form;

// The protocols of the program's small shell windows. Each shows its window modally over the
// main window and returns when the user has answered; while the program is ending they show
// nothing and return the Cancel answer.

// Answer codes of the program's question windows (the message-box codes).
inline constexpr std::int16_t AnswerCancel = 2;
inline constexpr std::int16_t AnswerYes = 6;
inline constexpr std::int16_t AnswerNo = 7;
inline constexpr std::int16_t ConfirmContinue = 1;
inline constexpr std::int16_t ConfirmCancel = 2;

// Offsets from the main window's top-left corner at which small windows open (twips).
inline constexpr float kErrorWindowOffset = 2200;
inline constexpr float kOptionWindowOffset = 3000;
inline constexpr float kConfirmInitOffset = 4000;
inline constexpr float kQuestionWindowOffset = 3000;

// Shows `message` in the error window `ErrorWindow` and returns once the user closed it with OK
// (or chose "Quit Tarvik", which ends the program). An error raised while the error window is
// already open (a timer behind it) is queued and shown as soon as that one is closed; the inner
// caller goes on at once, so nothing is lost and nothing nests.
void ShowErrorMessage(App& app, const std::string& message);

// Creates the background window `BackgroundWindow` when it does not exist and sends it behind every
// other window. Windows call it from Form_Resize and Form_Deactivate.
void SendBackgroundToBack(App& app);

// Moves `form` to the main window's Left and Top plus `offsetTwips` (a small window's
// Form_Load calls it).
void PlaceOverMainWindow(App& app, Form& form, float offsetTwips);

// Asks `question` in `AskSaveWindow` and returns the answer: AnswerYes (Save), AnswerNo (Forget)
// or AnswerCancel (Cancel or the close box).
std::int16_t AskSaveSettings(App& app, const std::string& question);

// Asks in `ConfirmBoardWindow` whether the Initialize Board pick of `board` goes on; returns
// ConfirmContinue or ConfirmCancel (also for the close box).
std::int16_t ConfirmBoardSelection(App& app, std::int16_t board);

// Asks in `ConfirmInitWindow` whether `board` is to be initialised; as ConfirmBoardSelection.
std::int16_t ConfirmBoardInit(App& app, std::int16_t board);

} // namespace tarvik
