#pragma once

#include <string>
#include <string_view>

namespace tarvik {

// The text of a text box or an editable combo box with its caret and selection, and the edits
// that keys make on it. Positions count characters from 0; the selection runs from the anchor
// to the caret.
class EditableText {
public:
    const std::string& text() const { return text_; }
    int selStart() const;
    int selLength() const;
    std::string selText() const;

    // Replaces the whole text; the caret goes to the start. False when nothing changed.
    bool setText(std::string text);
    // Moves the caret (clamped to the text) and empties the selection.
    void setSelStart(int start);
    // Selects `length` characters from the selection start (clamped to the text).
    void setSelLength(int length);
    // Puts `inserted` in place of the selection, caret after it. Refused (false) when the result
    // would exceed `maxLength` (0: no limit).
    bool replaceSelection(std::string_view inserted, int maxLength = 0);
    bool backspace();
    bool deleteForward();
    // Left, Right, Home and End; `extend` (Shift) grows the selection instead of moving it.
    void moveCaret(int keyCode, bool extend);

private:
    int clamp(int position) const;

    std::string text_;
    int anchor_ = 0;
    int caret_ = 0;
};

} // namespace tarvik
