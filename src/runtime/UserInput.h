#pragma once

#include "runtime/Form.h"
#include "runtime/Keys.h"

#include <string_view>

namespace tarvik {

class CommandButton;
class ComboBox;
class Control;
class ListControl;
class MenuItem;
class PictureBox;
class Runtime;
class ScrollBar;
class TextBox;

// What a user does, with the events a user's action raises, in their order. Tests, the script
// runner and the Qt renderer all go through here. Every call returns false, doing nothing, when
// the user could not do it: the control or its form is hidden, disabled or unloaded, another form
// is shown modally or holds the input (Runtime::InputHold), or the program has ended.
//
// Keys go to the focused control of the active form:
//   character keys: KeyDown(key code, shift), KeyPress(character, by reference; 0 drops it), the
//   edit, Change, KeyUp;
//   Backspace is a character (8); Delete, arrows, Home and End raise KeyDown, act, KeyUp;
//   Enter clicks the form's Default button unless the focus is on a button (a focused button is
//   clicked) and Escape its Cancel button; without such a button they are plain keystrokes;
//   Tab (Shift+Tab) moves the focus in TabIndex order; Alt+key clicks the control whose caption
//   marks that access key; F1 raises KeyDown, requests help at the form's topic (if any), KeyUp.
class UserInput {
public:
    explicit UserInput(Runtime& runtime) : rt_(runtime) {}

    // Focuses the control (as a click into it would), then types each character.
    bool type(Control& control, std::string_view text);
    // Types one character into the focused control (control characters too: 22 is Ctrl+V).
    bool typeCharacter(int character);
    // A key with a shift state to the focused control.
    bool press(Key key, int shift = 0);
    bool press(int keyCode, int shift);
    // Focuses the control, then presses the key.
    bool press(Control& control, Key key, int shift = 0);

    // A mouse click: activates the form, moves the focus to the control when it can hold it
    // (LostFocus of the old control, GotFocus of the new), then, if the control is still enabled
    // and visible, its click (Click; a check box toggles, an option button is selected).
    // Menu items are chosen.
    bool click(Control& control);
    bool doubleClick(Control& control);
    // A click on the form's background (Form_Click).
    bool clickForm(Form& form);
    // Moves the focus to the control (LostFocus, GotFocus) without a click.
    bool focus(Control& control);
    // Picks a row of a list or combo box: focus, then ListIndex (Click when it changes).
    bool select(ListControl& list, int row);
    // Replaces the whole text as a paste does: no key events; Change runs. A text box refuses a
    // text longer than its MaxLength whole, with a beep.
    bool paste(TextBox& box, std::string_view text);
    bool paste(ComboBox& box, std::string_view text);
    // Selects text with the mouse.
    bool selectText(TextBox& box, int start, int length);
    // Drags a scroll bar's thumb to a value (Change when it changes).
    bool scrollTo(ScrollBar& bar, int value);

    // Mouse on a picture box, in its scale units.
    bool mouseDown(PictureBox& box, float x, float y, int button = LeftButton, int shift = 0);
    bool mouseMove(PictureBox& box, float x, float y, int button = 0, int shift = 0);
    bool mouseUp(PictureBox& box, float x, float y, int button = LeftButton, int shift = 0);
    // Press and release at one point: MouseDown, MouseUp, Click.
    bool mouseClick(PictureBox& box, float x, float y, int button = LeftButton, int shift = 0);

    // The close box: QueryUnload (reason User) and Unload, either may cancel. True when closed.
    bool close(Form& form);
    // Chooses a menu item as a user does from the menu bar: opens each enclosing menu, outermost
    // first, then picks the item. A menu's handler that disables or hides what lies below it
    // stops the choice there.
    bool choose(MenuItem& item);
    // Opens a menu: its Click, so that the handler can set the Checked, Enabled and Visible of
    // its items before they are shown.
    bool openMenu(MenuItem& menu);
    // Picks an item in a menu already open: the item's Click only (its menus raised theirs as
    // they opened).
    bool pick(MenuItem& item);

    // Window handling a renderer reports: activation, moves, sizes and minimising.
    bool activate(Form& form);
    bool moveForm(Form& form, float left, float top);
    bool resizeForm(Form& form, float width, float height);
    bool setWindowState(Form& form, WindowState state);

private:
    bool accepts(const Control& control) const;
    bool accepts(const Form& form) const;
    void bringForward(Control& control);
    bool keystroke(int keyCode, int shift, int character);
    bool formKey(Form& form, int keyCode, int shift);
    bool clickByAccessKey(Form& form, int key);
    void clickNow(Control& control);
    void tab(Form& form, bool backwards);

    Runtime& rt_;
};

} // namespace tarvik
