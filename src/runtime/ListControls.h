#pragma once

#include "runtime/Control.h"
#include "runtime/EditableText.h"

#include <string>
#include <vector>

namespace tarvik {

// The rows and the selected row shared by list boxes and combo boxes. Setting ListIndex raises
// Click when the row changes (from code as from a pick); -1 selects nothing. A row index outside
// the list is a programming error (std::out_of_range); reading List(i) outside gives "".
class ListControl : public Control {
public:
    void addItem(std::string item, int index = -1);
    void removeItem(int index);
    // Empties the list; nothing is selected afterwards. Raises nothing.
    void clear();
    std::string list(int index) const;
    int listCount() const { return static_cast<int>(items_.size()); }
    const std::vector<std::string>& items() const { return items_; }
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);

    bool canFocus() const override { return true; }

protected:
    ListControl(Form* form, std::string name, const Design& design, ControlKind kind);

    // The selection moved (already stored); the combo box follows with its text.
    virtual void selectionMoved() {}
    // Typing into an editable combo box leaves no row selected; no Click.
    void deselectQuietly();
    // Selects the next row (after the current one, wrapping) that starts with the character.
    void selectByInitial(int character);
    void keyNavigate(int keyCode, int shift) override;
    void userClick() override {}

private:
    void checkRow(int index, int last) const;

    std::vector<std::string> items_;
    int listIndex_ = -1;
};

class ListBox : public ListControl {
public:
    ListBox(Form* form, std::string name, Design design = {});

    // The selected row's text, "" when none.
    std::string text() const { return list(listIndex()); }

private:
    void keyCharacter(int character) override { selectByInitial(character); }
};

// A combo box: an editable drop-down (typing edits the text, raises Change and makes ListIndex -1)
// or a drop-down list (rows can only be picked; Text is the picked row).
class ComboBox : public ListControl {
public:
    enum class Style { DropDownCombo = 0, SimpleCombo = 1, DropDownList = 2 };

    ComboBox(Form* form, std::string name, Design design = {}, Style style = Style::DropDownCombo);

    Style style() const { return style_; }
    bool editable() const { return style_ != Style::DropDownList; }
    const std::string& text() const { return edit_.text(); }
    // Editable: Change when the text differs; the selected row stays only when the new text is its
    // text. Drop-down list: selects the first row with this text (Click), other texts are ignored.
    void setText(std::string text);
    int selStart() const { return edit_.selStart(); }
    void setSelStart(int start);
    int selLength() const { return edit_.selLength(); }
    void setSelLength(int length);
    std::string selText() const { return edit_.selText(); }
    Color foreColor() const { return foreColor_; }
    void setForeColor(Color color);
    Color backColor() const { return backColor_; }
    void setBackColor(Color color);

private:
    friend class UserInput;

    void selectionMoved() override;
    void keyCharacter(int character) override;
    void keyNavigate(int keyCode, int shift) override;
    void paste(std::string_view text);
    void typed(bool textChanged);

    Style style_;
    EditableText edit_;
    Color foreColor_ = colors::Black;
    Color backColor_ = colors::White;
};

} // namespace tarvik
