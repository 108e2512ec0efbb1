#pragma once

#include "runtime/FormRuntime.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tarvik {

class App;

// The text appended to "Vector Velocity Ratio:": the ratio when it is the shorter form, else
// "( new / old )". Each number in its signed general form (a blank before one that is not
// negative).
std::string RatioText(float newVelocity, float oldVelocity);

// "Change Vector Velocity": asks whether a velocity typed after an Automatic run was stopped
// changes the whole routine in proportion or the interrupted segment only. Each button answers
// and closes the window.
class SegmentVelocityDialog final : public Form {
public:
    explicit SegmentVelocityDialog(App& app);

    // Shows the window modally and returns the answer: AnswerYes (the entire routine), AnswerNo
    // (this segment) or AnswerCancel (Cancel or the close box); nothing when the program is
    // ending.
    std::optional<std::int16_t> ask();

    Label questionLabel{this, "Label1", {.left = 120, .top = 120, .width = 4815, .height = 855}};
    Label ratioLabel{this, "Label2", {.caption = "Vector Velocity Ratio:", .left = 120, .top = 1080, .width = 4815, .height = 255}};
    CommandButton routineButton{this, "Command1", {.caption = "Change Entire Routine", .left = 120, .top = 1500, .width = 1935, .height = 375}};
    CommandButton segmentButton{this, "Command2", {.caption = "Change This Segment", .left = 2160, .top = 1500, .width = 1815, .height = 375}};
    CommandButton cancelButton{this, "Command3", {.caption = "Cancel", .left = 4080, .top = 1500, .width = 855, .height = 375}};

private:
    void answer(std::int16_t code);

    std::int16_t answer_ = 0;
};

} // namespace tarvik
