#pragma once

#include "runtime/Control.h"

namespace tarvik {

// A command button. Its caption may carry an access key ("&Run"; "&&" shows one "&"). Enter in
// its form clicks the Default button (unless the focus is on a button), Escape the Cancel one.
class CommandButton : public Control {
public:
    CommandButton(Form* form, std::string name, Design design = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool isDefault() const { return default_; }
    // Only one button of a form is the Default one: setting it clears the others.
    void setDefault(bool isDefault);
    bool isCancel() const { return cancel_; }
    void setCancel(bool isCancel);

    bool canFocus() const override { return true; }

private:
    void userDoubleClick() override { raise(onClick); }
    void keyCharacter(int character) override
    {
        if (character == ' ') raise(onClick);
    }

    std::string caption_;
    bool default_ = false;
    bool cancel_ = false;
};

// A check box: Value 0 unchecked, 1 checked, 2 grayed. A change of Value, by a click or from
// code, raises Click; writing the same value raises nothing.
class CheckBox : public Control {
public:
    static constexpr int Unchecked = 0;
    static constexpr int Checked = 1;
    static constexpr int Grayed = 2;

    CheckBox(Form* form, std::string name, Design design = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    int value() const { return value_; }
    void setValue(int value);

    bool canFocus() const override { return true; }

private:
    void userClick() override;
    void keyCharacter(int character) override;

    std::string caption_;
    int value_ = Unchecked;
};

// An option button. Selecting one (a click, or Value := true from code) clears the other option
// buttons of the same container and raises Click on it; the cleared ones raise nothing. A group may
// have none selected.
class OptionButton : public Control {
public:
    OptionButton(Form* form, std::string name, Design design = {});

    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption);
    bool value() const { return value_; }
    void setValue(bool value);

    bool canFocus() const override { return true; }

private:
    void userClick() override { setValue(true); }
    void keyCharacter(int character) override;

    std::string caption_;
    bool value_ = false;
};

} // namespace tarvik
