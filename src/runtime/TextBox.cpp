#include "runtime/TextBox.h"

#include "runtime/Keys.h"
#include "runtime/Runtime.h"
#include "runtime/ScrollBar.h"

namespace tarvik {

TextBox::TextBox(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::TextBox), maxLength_(design.maxLength)
{
    edit_.setText(std::move(design.caption));
}

TextBox::~TextBox()
{
    if (spinner_) spinner_->setBuddy(nullptr);
}

void TextBox::edited(bool textChanged)
{
    changed(Property::Selection);
    if (!textChanged) return;
    changed(Property::Text);
    raise(onChange);
}

void TextBox::setText(std::string text)
{
    if (!edit_.setText(std::move(text))) return;
    edited(true);
}

void TextBox::setSelStart(int start)
{
    edit_.setSelStart(start);
    changed(Property::Selection);
}

void TextBox::setSelLength(int length)
{
    edit_.setSelLength(length);
    changed(Property::Selection);
}

void TextBox::setLocked(bool locked) { assign(locked_, locked, Property::Locked); }
void TextBox::setMultiLine(bool multiLine) { assign(multiLine_, multiLine, Property::Style); }
void TextBox::setForeColor(Color color) { assign(foreColor_, color, Property::Colors); }
void TextBox::setBackColor(Color color) { assign(backColor_, color, Property::Colors); }

void TextBox::keyCharacter(int character)
{
    if (locked_) return;
    if (character == 8) return edited(edit_.backspace());
    if (character == 13) {
        if (multiLine_) edited(edit_.replaceSelection("\r\n", maxLength_));
        return;
    }
    // Control characters (Ctrl+V is 22) edit nothing: the box offers no paste of its own.
    if (character < 32 || character == 127 || character > 255) return;
    edited(edit_.replaceSelection(std::string(1, static_cast<char>(character)), maxLength_));
}

void TextBox::keyNavigate(int keyCode, int shift)
{
    // Up and Down belong to the box's spinner, which may be switched off on its own.
    const auto key = static_cast<Key>(keyCode);
    if (spinner_ && (key == Key::Up || key == Key::Down)) {
        if (spinner_->canTakeInput()) spinner_->step(key == Key::Up ? -1 : 1);
        return;
    }
    if (keyCode == static_cast<int>(Key::Delete)) {
        if (!locked_) edited(edit_.deleteForward());
        return;
    }
    edit_.moveCaret(keyCode, (shift & ShiftMask) != 0);
    changed(Property::Selection);
}

void TextBox::paste(std::string_view text)
{
    if (locked_) return;
    // A cut paste would keep a different number, or half a character: the user hears that it
    // did not fit, as when typing past the limit, and the box keeps its text.
    if (maxLength_ > 0 && text.size() > static_cast<std::size_t>(maxLength_)) {
        runtime().beep();
        return;
    }
    edit_.setSelStart(0);
    edit_.setSelLength(static_cast<int>(edit_.text().size()));
    edited(edit_.replaceSelection(text));
}

} // namespace tarvik
