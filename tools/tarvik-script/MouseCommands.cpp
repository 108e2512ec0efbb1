#include "Commands.h"
#include "Session.h"
#include "Tokens.h"
#include "UserReach.h"

#include "runtime/FormRuntime.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>

namespace tarvik::script {

namespace {

struct FlagName {
    std::string_view name;
    int bit;
};
constexpr std::array<FlagName, 3> kButtons{{{"Left", LeftButton}, {"Right", RightButton}, {"Middle", MiddleButton}}};
constexpr std::array<FlagName, 3> kShiftKeys{{{"Shift", ShiftMask}, {"Ctrl", CtrlMask}, {"Alt", AltMask}}};
constexpr int kAllFlags = 7;

// A set of flags: None, names joined with '+' ("Shift+Ctrl"), or a number of the bits 0 to 7.
std::optional<int> flagSet(std::string_view word, std::span<const FlagName> names)
{
    long long code = 0;
    if (parseInteger(word, code)) return code >= 0 && code <= kAllFlags ? std::optional<int>(static_cast<int>(code)) : std::nullopt;
    if (word == "None") return 0;
    int flags = 0;
    while (true) {
        const std::string_view name = word.substr(0, word.find('+'));
        const auto found = std::find_if(names.begin(), names.end(), [&](const FlagName& f) { return f.name == name; });
        if (found == names.end()) return std::nullopt;
        flags |= found->bit;
        if (name.size() == word.size()) return flags;
        word.remove_prefix(name.size() + 1);
    }
}

// The button a press or release uses (Left when none is given).
int pressedButton(Words& words)
{
    if (words.atEnd()) return LeftButton;
    const std::string word = words.word("a mouse button");
    const auto button = flagSet(word, kButtons);
    if (!button || std::none_of(kButtons.begin(), kButtons.end(), [&](const FlagName& f) { return f.bit == *button; }))
        throw SyntaxError("expected a mouse button (1 or Left, 2 or Right, 4 or Middle), got " + word);
    return *button;
}

// The buttons held during a move (none when none are given).
int heldButtons(Words& words)
{
    if (words.atEnd()) return 0;
    const std::string word = words.word("the buttons held");
    const auto buttons = flagSet(word, kButtons);
    if (!buttons) throw SyntaxError("expected the buttons held (None, or Left Right Middle joined with +, or 0 to 7), got " + word);
    return *buttons;
}

int shiftState(Words& words)
{
    if (words.atEnd()) return 0;
    const std::string word = words.word("a shift state");
    const auto shift = flagSet(word, kShiftKeys);
    if (!shift) throw SyntaxError("expected a shift state (None, or Shift Ctrl Alt joined with +, or 0 to 7), got " + word);
    return *shift;
}

// Where and how a mouse command acts: CONTROL X Y [BUTTON [SHIFT]].
struct MouseAction {
    ControlRef ref;
    float x = 0;
    float y = 0;
    int button = 0;
    int shift = 0;
};

MouseAction mouseAction(Words& words, int (*button)(Words&))
{
    MouseAction action{parseControlRef(words.word("a picture box"))};
    action.x = static_cast<float>(words.number("X"));
    action.y = static_cast<float>(words.number("Y"));
    action.button = button(words);
    action.shift = shiftState(words);
    words.end();
    return action;
}

using MouseEvent = bool (UserInput::*)(PictureBox&, float, float, int, int);

// One mouse event on a picture box.
Step::Action mouseEvent(Words& words, int (*button)(Words&), MouseEvent event, std::string_view verb)
{
    const MouseAction action = mouseAction(words, button);
    return [action, event, verb](Session& session) {
        auto& box = reachAs<PictureBox>(session, action.ref, verb, "a picture box");
        requireDone((runtimeOf(session).input().*event)(box, action.x, action.y, action.button, action.shift), box, verb,
                    "the program refused it");
    };
}

} // namespace

Step::Action parseMouse(Words& words)
{
    return mouseEvent(words, pressedButton, &UserInput::mouseClick, "click the mouse on");
}

Step::Action parseMouseDown(Words& words)
{
    return mouseEvent(words, pressedButton, &UserInput::mouseDown, "press the mouse on");
}

Step::Action parseMouseMove(Words& words)
{
    return mouseEvent(words, heldButtons, &UserInput::mouseMove, "move the mouse over");
}

Step::Action parseMouseUp(Words& words)
{
    return mouseEvent(words, pressedButton, &UserInput::mouseUp, "release the mouse on");
}

Step::Action parseDrag(Words& words)
{
    const ControlRef ref = parseControlRef(words.word("a picture box"));
    const double x1 = words.number("X1");
    const double y1 = words.number("Y1");
    const double x2 = words.number("X2");
    const double y2 = words.number("Y2");
    const int button = pressedButton(words);
    const int shift = shiftState(words);
    words.end();
    return [=](Session& session) {
        UserInput& input = runtimeOf(session).input();
        auto& pressed = reachAs<PictureBox>(session, ref, "drag on", "a picture box");
        requireDone(input.mouseDown(pressed, static_cast<float>(x1), static_cast<float>(y1), button, shift), pressed,
                    "drag on", "the program refused the press");
        // Each event may close the window: the box is found afresh for the move and the release.
        const auto box = [&]() -> PictureBox& {
            return controlAs<PictureBox>(findControl(runtimeOf(session), ref), "a picture box");
        };
        input.mouseMove(box(), static_cast<float>(x2), static_cast<float>(y2), button, shift);
        input.mouseUp(box(), static_cast<float>(x2), static_cast<float>(y2), button, shift);
    };
}

} // namespace tarvik::script
