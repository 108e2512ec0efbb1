#include "runtime/ListControls.h"

#include "runtime/Keys.h"

#include <algorithm>
#include <cctype>
#include <stdexcept>

namespace tarvik {

ListControl::ListControl(Form* form, std::string name, const Design& design, ControlKind kind)
    : Control(form, std::move(name), design, kind)
{
}

void ListControl::checkRow(int index, int last) const
{
    if (index < 0 || index > last)
        throw std::out_of_range(qualifiedName() + ": row " + std::to_string(index) + " is not in the list of " +
                                std::to_string(items_.size()));
}

void ListControl::addItem(std::string item, int index)
{
    if (index < 0) index = listCount();
    checkRow(index, listCount());
    items_.insert(items_.begin() + index, std::move(item));
    if (listIndex_ >= index) ++listIndex_;
    changed(Property::Items);
}

void ListControl::removeItem(int index)
{
    checkRow(index, listCount() - 1);
    items_.erase(items_.begin() + index);
    changed(Property::Items);
    if (listIndex_ == index) {
        listIndex_ = -1;
        changed(Property::ListIndex);
        selectionMoved();
    } else if (listIndex_ > index) {
        --listIndex_;
    }
}

void ListControl::clear()
{
    items_.clear();
    changed(Property::Items);
    if (listIndex_ != -1) {
        listIndex_ = -1;
        changed(Property::ListIndex);
        selectionMoved();
    }
}

std::string ListControl::list(int index) const
{
    if (index < 0 || index >= listCount()) return {};
    return items_[static_cast<std::size_t>(index)];
}

void ListControl::setListIndex(int index)
{
    if (index != -1) checkRow(index, listCount() - 1);
    if (index == listIndex_) return;
    listIndex_ = index;
    changed(Property::ListIndex);
    selectionMoved();
    raise(onClick);
}

void ListControl::deselectQuietly()
{
    if (listIndex_ == -1) return;
    listIndex_ = -1;
    changed(Property::ListIndex);
}

void ListControl::selectByInitial(int character)
{
    if (character < 32 || character > 255 || items_.empty()) return;
    const int wanted = std::tolower(character);
    const int count = listCount();
    for (int step = 1; step <= count; ++step) {
        const int row = (std::max(listIndex_, -1) + step) % count;
        const auto& item = items_[static_cast<std::size_t>(row)];
        if (!item.empty() && std::tolower(static_cast<unsigned char>(item.front())) == wanted) return setListIndex(row);
    }
}

void ListControl::keyNavigate(int keyCode, int)
{
    if (items_.empty()) return;
    const int last = listCount() - 1;
    switch (static_cast<Key>(keyCode)) {
    case Key::Up: setListIndex(std::max(listIndex_ - 1, 0)); break;
    case Key::Down: setListIndex(std::min(listIndex_ + 1, last)); break;
    case Key::Home: setListIndex(0); break;
    case Key::End: setListIndex(last); break;
    default: break;
    }
}

ListBox::ListBox(Form* form, std::string name, Design design)
    : ListControl(form, std::move(name), design, ControlKind::ListBox)
{
}

ComboBox::ComboBox(Form* form, std::string name, Design design, Style style)
    : ListControl(form, std::move(name), design, ControlKind::ComboBox), style_(style)
{
    if (editable()) edit_.setText(std::move(design.caption));
}

void ComboBox::typed(bool textChanged)
{
    changed(Property::Selection);
    if (!textChanged) return;
    changed(Property::Text);
    raise(onChange);
}

void ComboBox::setText(std::string text)
{
    if (!editable()) {
        const auto& rows = items();
        auto found = std::find(rows.begin(), rows.end(), text);
        if (found != rows.end()) setListIndex(static_cast<int>(found - rows.begin()));
        return;
    }
    if (text == edit_.text()) return;
    if (listIndex() != -1 && list(listIndex()) != text) deselectQuietly();
    edit_.setText(std::move(text));
    typed(true);
}

void ComboBox::setSelStart(int start)
{
    edit_.setSelStart(start);
    changed(Property::Selection);
}

void ComboBox::setSelLength(int length)
{
    edit_.setSelLength(length);
    changed(Property::Selection);
}

void ComboBox::setForeColor(Color color) { assign(foreColor_, color, Property::Colors); }
void ComboBox::setBackColor(Color color) { assign(backColor_, color, Property::Colors); }

void ComboBox::selectionMoved()
{
    if (listIndex() < 0 && editable()) return;
    const bool textChanged = edit_.setText(list(listIndex()));
    // A picked row's text stands selected, so typing replaces it.
    edit_.setSelLength(static_cast<int>(edit_.text().size()));
    if (textChanged) changed(Property::Text);
    changed(Property::Selection);
}

void ComboBox::keyCharacter(int character)
{
    if (!editable()) return selectByInitial(character);
    bool edited = false;
    if (character == 8)
        edited = edit_.backspace();
    else if (character >= 32 && character != 127 && character <= 255)
        edited = edit_.replaceSelection(std::string(1, static_cast<char>(character)));
    if (edited) deselectQuietly();
    typed(edited);
}

void ComboBox::keyNavigate(int keyCode, int shift)
{
    const auto key = static_cast<Key>(keyCode);
    if (!editable() || key == Key::Up || key == Key::Down) return ListControl::keyNavigate(keyCode, shift);
    if (key == Key::Delete) {
        const bool edited = edit_.deleteForward();
        if (edited) deselectQuietly();
        return typed(edited);
    }
    edit_.moveCaret(keyCode, (shift & ShiftMask) != 0);
    changed(Property::Selection);
}

void ComboBox::paste(std::string_view text)
{
    if (!editable()) return;
    edit_.setSelStart(0);
    edit_.setSelLength(static_cast<int>(edit_.text().size()));
    const bool edited = edit_.replaceSelection(text);
    if (edited) deselectQuietly();
    typed(edited);
}

} // namespace tarvik
