#pragma once

#include "runtime/Control.h"
#include "runtime/EditableText.h"

namespace tarvik {

class ScrollBar;

// A text box. Setting Text from code raises Change when the text differs, also from inside a
// Change handler (nested Change). Typing goes KeyDown, KeyPress, edit, Change, KeyUp; MaxLength
// limits what a user enters (typing, pasting), never text set by code. A locked box takes the
// focus and key events but no edits.
class TextBox : public Control {
public:
    TextBox(Form* form, std::string name, Design design = {});
    ~TextBox() override;

    const std::string& text() const { return edit_.text(); }
    void setText(std::string text);
    int maxLength() const { return maxLength_; }
    int selStart() const { return edit_.selStart(); }
    void setSelStart(int start);
    int selLength() const { return edit_.selLength(); }
    void setSelLength(int length);
    std::string selText() const { return edit_.selText(); }
    bool locked() const { return locked_; }
    void setLocked(bool locked);
    bool multiLine() const { return multiLine_; }
    void setMultiLine(bool multiLine);
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color);
    Color backColor() const { return backColor_; }
    void setBackColor(Color color);

    bool canFocus() const override { return true; }
    // The spinner whose buddy this box is (ScrollBar::setBuddy), nullptr when none.
    ScrollBar* spinner() const { return spinner_; }

private:
    friend class ScrollBar;
    friend class UserInput;

    void keyCharacter(int character) override;
    void keyNavigate(int keyCode, int shift) override;
    // Replaces the whole text as a paste does. Locked refuses; a text longer than MaxLength is
    // refused whole with a beep, never cut.
    void paste(std::string_view text);
    void edited(bool textChanged);

    EditableText edit_;
    ScrollBar* spinner_ = nullptr;
    int maxLength_;
    bool locked_ = false;
    bool multiLine_ = false;
    Color foreColor_ = colors::Black;
    Color backColor_ = colors::White;
};

} // namespace tarvik
