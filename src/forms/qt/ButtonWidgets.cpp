#include "forms/qt/ButtonWidgets.h"

#include "forms/qt/QtUnits.h"
#include "forms/runtime/Buttons.h"
#include "forms/runtime/UserInput.h"

namespace tarvik {

namespace {

void clickControl(UserInput& input, Control& control) { input.click(control); }

} // namespace

CommandButtonWidget::CommandButtonWidget(CommandButton& button, InputBridge& bridge, QWidget* parent)
    : QPushButton(parent), ControlWidget(button, bridge)
{
    setAutoDefault(false);
    watch(*this);
    connect(this, &QPushButton::clicked, this, [this] { act(clickControl); });
}

void CommandButtonWidget::refresh()
{
    const auto& button = controlAs<CommandButton>();
    setText(widgetCaption(button.caption()));
    setDefault(button.isDefault());
}

CheckBoxWidget::CheckBoxWidget(CheckBox& box, InputBridge& bridge, QWidget* parent)
    : QCheckBox(parent), ControlWidget(box, bridge)
{
    setTristate(true);
    watch(*this);
    connect(this, &QCheckBox::clicked, this, [this] { act(clickControl); });
}

void CheckBoxWidget::refresh()
{
    const auto& box = controlAs<CheckBox>();
    setText(widgetCaption(box.caption()));
    switch (box.value()) {
    case CheckBox::Checked: setCheckState(Qt::Checked); break;
    case CheckBox::Grayed: setCheckState(Qt::PartiallyChecked); break;
    default: setCheckState(Qt::Unchecked); break;
    }
}

OptionButtonWidget::OptionButtonWidget(OptionButton& button, InputBridge& bridge, QWidget* parent)
    : QRadioButton(parent), ControlWidget(button, bridge)
{
    setAutoExclusive(false);
    watch(*this);
    connect(this, &QRadioButton::clicked, this, [this] { act(clickControl); });
}

void OptionButtonWidget::refresh()
{
    const auto& button = controlAs<OptionButton>();
    setText(widgetCaption(button.caption()));
    setChecked(button.value());
}

} // namespace tarvik
