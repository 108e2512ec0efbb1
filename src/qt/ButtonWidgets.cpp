#include "qt/ButtonWidgets.h"

#include "qt/CaptionFit.h"
#include "qt/QtUnits.h"
#include "runtime/Buttons.h"
#include "runtime/Caption.h"
#include "runtime/UserInput.h"

#include <QEvent>
#include <QStyleOptionButton>

namespace tarvik {

namespace {

void clickControl(UserInput& input, Control& control) { input.click(control); }

// A caption as Qt must be given it: the runtime resolves the access-key marks, so Qt must neither
// underline nor make a shortcut of them ("&Run" shows "Run", "&&" shows "&").
QString escapedAmpersands(QString caption) { return caption.replace(QLatin1Char('&'), QLatin1String("&&")); }

// A font or style change changes the room a caption needs and has.
bool changesRoom(const QEvent& event) { return event.type() == QEvent::FontChange || event.type() == QEvent::StyleChange; }

} // namespace

void ButtonCaption::set(QAbstractButton& button, const std::string& caption)
{
    whole_ = toQString(displayCaption(caption));
    fit(button);
}

int ButtonCaption::room(const QAbstractButton& button) const
{
    QStyleOptionButton option;
    option.initFrom(&button);
    return button.style()->subElementRect(room_, &option, &button).width();
}

void ButtonCaption::fit(QAbstractButton& button) const
{
    const FittedCaption fitted = fitLine(whole_, button.fontMetrics(), room(button));
    const QString shown = escapedAmpersands(fitted.shown);
    if (button.text() != shown) button.setText(shown);
    showWholeCaption(button, whole_, fitted);
}

int ButtonCaption::overflow(const QAbstractButton& button) const
{
    return fitLine(whole_, button.fontMetrics(), room(button)).overflow;
}

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
    caption_.set(*this, button.caption());
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
    caption_.set(*this, box.caption());
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
    caption_.set(*this, button.caption());
    setChecked(button.value());
}


void CommandButtonWidget::resizeEvent(QResizeEvent* event)
{
    QPushButton::resizeEvent(event);
    caption_.fit(*this);
}

void CommandButtonWidget::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (changesRoom(*event)) caption_.fit(*this);
}

void CheckBoxWidget::resizeEvent(QResizeEvent* event)
{
    QCheckBox::resizeEvent(event);
    caption_.fit(*this);
}

void CheckBoxWidget::changeEvent(QEvent* event)
{
    QCheckBox::changeEvent(event);
    if (changesRoom(*event)) caption_.fit(*this);
}

void OptionButtonWidget::resizeEvent(QResizeEvent* event)
{
    QRadioButton::resizeEvent(event);
    caption_.fit(*this);
}

void OptionButtonWidget::changeEvent(QEvent* event)
{
    QRadioButton::changeEvent(event);
    if (changesRoom(*event)) caption_.fit(*this);
}

} // namespace tarvik
