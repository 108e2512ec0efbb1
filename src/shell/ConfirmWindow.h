#pragma once

#include "runtime/FormRuntime.h"

#include <cstdint>
#include <string>

namespace tarvik {

class App;

// The frame of the two board confirmation windows: a question about a board in `lblquestion`;
// `cmdcont` answers ConfirmContinue, `cmdcan` ConfirmCancel, and each closes the window. The
// window opens at `offset` twips over the main window.
class ConfirmWindow : public Form {
public:
    std::string messageText() const override { return lblquestion.caption(); }

    // Shows the question about `board` modally and returns the answer: that of the button
    // pressed, ConfirmCancel when the window was closed otherwise (its close box, the program
    // ending).
    std::int16_t ask(std::int16_t board);

    Label lblquestion{this, "lblquestion", {.left = 240, .top = 240, .width = 4695, .height = 855}};
    CommandButton cmdcont{this, "cmdcont", {.caption = "Continue", .left = 840, .top = 1320, .width = 1455, .height = 375}};
    CommandButton cmdcan{this, "cmdcan", {.caption = "Cancel", .left = 2880, .top = 1320, .width = 1455, .height = 375}};

protected:
    // `questionTail` follows "Board " and the board's Initialize Board caption.
    ConfirmWindow(App& app, std::string name, std::string caption, std::string questionTail, float offset, int helpTopic);

private:
    void Form_Load() override;
    void answer(std::int16_t code);

    App& app_;
    std::string questionTail_;
    float offset_;
    std::int16_t answer_ = 0;
};

// Confirms an Initialize Board pick of another board than the wizard shows.
class ConfirmBoardWindow : public ConfirmWindow {
public:
    explicit ConfirmBoardWindow(App& app);
};

// Confirms the initialisation of a board from its wizard.
class ConfirmInitWindow : public ConfirmWindow {
public:
    explicit ConfirmInitWindow(App& app);
};

} // namespace tarvik
