#include "runtime/Buttons.h"

#include "runtime/Form.h"

namespace tarvik {

CommandButton::CommandButton(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::CommandButton), caption_(std::move(design.caption))
{
}

void CommandButton::setCaption(std::string caption) { assign(caption_, std::move(caption), Property::Caption); }

namespace {

// The other command buttons of the button's form.
template <class Fn>
void forOtherButtons(const CommandButton& button, Fn fn)
{
    for (Control* control : button.form().controls())
        if (control != &button && control->kind() == ControlKind::CommandButton) fn(*static_cast<CommandButton*>(control));
}

} // namespace

void CommandButton::setDefault(bool isDefault)
{
    if (isDefault) forOtherButtons(*this, [](CommandButton& other) { other.setDefault(false); });
    assign(default_, isDefault, Property::Style);
}

void CommandButton::setCancel(bool isCancel)
{
    if (isCancel) forOtherButtons(*this, [](CommandButton& other) { other.setCancel(false); });
    assign(cancel_, isCancel, Property::Style);
}

CheckBox::CheckBox(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::CheckBox), caption_(std::move(design.caption))
{
}

void CheckBox::setCaption(std::string caption) { assign(caption_, std::move(caption), Property::Caption); }

void CheckBox::setValue(int value)
{
    if (value < Unchecked || value > Grayed) value = Unchecked;
    if (assign(value_, value, Property::Value)) raise(onClick);
}

void CheckBox::userClick() { setValue(value_ == Checked ? Unchecked : Checked); }

void CheckBox::keyCharacter(int character)
{
    if (character == ' ') userClick();
}

OptionButton::OptionButton(Form* form, std::string name, Design design)
    : Control(form, std::move(name), design, ControlKind::OptionButton), caption_(std::move(design.caption))
{
}

void OptionButton::setCaption(std::string caption) { assign(caption_, std::move(caption), Property::Caption); }

void OptionButton::setValue(bool value)
{
    if (value)
        for (Control* control : form().controls())
            if (control != this && control->kind() == ControlKind::OptionButton && control->container() == container()) {
                auto* other = static_cast<OptionButton*>(control);
                other->assign(other->value_, false, Property::Value);
            }
    if (assign(value_, value, Property::Value) && value_) raise(onClick);
}

void OptionButton::keyCharacter(int character)
{
    if (character == ' ') userClick();
}

} // namespace tarvik
