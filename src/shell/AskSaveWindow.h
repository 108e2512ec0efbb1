#pragma once

#include "runtime/FormRuntime.h"

#include <cstdint>
#include <string>

namespace tarvik {

class App;

// The ask-to-save window: the question in `lblBoardOpt`; Save, Forget and Cancel answer AnswerYes,
// AnswerNo and AnswerCancel and close the window. Shown modally through AskSaveSettings.
class AskSaveWindow : public Form {
public:
    explicit AskSaveWindow(App& app);

    // Shows `question` modally and returns the answer: that of the button pressed, AnswerCancel
    // when the window was closed otherwise (its close box, the program ending).
    std::int16_t ask(const std::string& question);

    std::string messageText() const override { return lblBoardOpt.caption(); }

    Label lblBoardOpt{this, "lblBoardOpt", {.left = 240, .top = 240, .width = 4695, .height = 855}};
    CommandButton cmdsave{this, "cmdsave", {.caption = "Save", .left = 240, .top = 1320, .width = 1335, .height = 375}};
    CommandButton cmdForget{this, "cmdForget",
                            {.caption = "Forget", .left = 1920, .top = 1320, .width = 1335, .height = 375}};
    CommandButton cmdCancel{this, "cmdCancel",
                            {.caption = "Cancel", .left = 3600, .top = 1320, .width = 1335, .height = 375}};

private:
    void Form_Load() override;
    void answer(std::int16_t code);

    App& app_;
    std::int16_t answer_ = 0;
};

} // namespace tarvik
