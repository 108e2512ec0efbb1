#include "runtime/EditableText.h"

#include "runtime/Keys.h"

#include <algorithm>
#include <cstdlib>

namespace tarvik {

int EditableText::selStart() const { return std::min(anchor_, caret_); }

int EditableText::selLength() const { return std::abs(caret_ - anchor_); }

std::string EditableText::selText() const
{
    return text_.substr(static_cast<std::size_t>(selStart()), static_cast<std::size_t>(selLength()));
}

int EditableText::clamp(int position) const { return std::clamp(position, 0, static_cast<int>(text_.size())); }

bool EditableText::setText(std::string text)
{
    if (text == text_) return false;
    text_ = std::move(text);
    anchor_ = caret_ = 0;
    return true;
}

void EditableText::setSelStart(int start) { anchor_ = caret_ = clamp(start); }

void EditableText::setSelLength(int length)
{
    anchor_ = selStart();
    caret_ = clamp(anchor_ + std::max(length, 0));
}

bool EditableText::replaceSelection(std::string_view inserted, int maxLength)
{
    const auto start = static_cast<std::size_t>(selStart());
    const auto length = static_cast<std::size_t>(selLength());
    if (maxLength > 0 && text_.size() - length + inserted.size() > static_cast<std::size_t>(maxLength)) return false;
    if (length == 0 && inserted.empty()) return false;
    text_.replace(start, length, inserted);
    anchor_ = caret_ = static_cast<int>(start + inserted.size());
    return true;
}

bool EditableText::backspace()
{
    if (selLength() == 0) {
        if (caret_ == 0) return false;
        anchor_ = caret_ - 1;
    }
    return replaceSelection("");
}

bool EditableText::deleteForward()
{
    if (selLength() == 0) {
        if (caret_ >= static_cast<int>(text_.size())) return false;
        caret_ = anchor_ + 1;
    }
    return replaceSelection("");
}

void EditableText::moveCaret(int keyCode, bool extend)
{
    const bool collapsing = !extend && selLength() > 0;
    switch (static_cast<Key>(keyCode)) {
    case Key::Left: caret_ = collapsing ? selStart() : clamp(caret_ - 1); break;
    case Key::Right: caret_ = collapsing ? selStart() + selLength() : clamp(caret_ + 1); break;
    case Key::Home: caret_ = 0; break;
    case Key::End: caret_ = static_cast<int>(text_.size()); break;
    default: return;
    }
    if (!extend) anchor_ = caret_;
}

} // namespace tarvik
