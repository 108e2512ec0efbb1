#include "qt/ControlWidget.h"

#include "qt/EventHook.h"
#include "qt/FormFont.h"
#include "qt/InputBridge.h"
#include "qt/QtUnits.h"
#include "runtime/Control.h"
#include "runtime/Form.h"
#include "runtime/UserInput.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace tarvik {

ControlWidget::ControlWidget(Control& control, InputBridge& bridge) : control_(&control), bridge_(bridge) {}

bool ControlWidget::mirroring() const { return bridge_.mirroring(); }

void ControlWidget::mirror(Property property)
{
    if (!control_) return;
    auto scope = bridge_.mirrorScope();
    switch (property) {
    case Property::Geometry: place(); break;
    case Property::Visible: widget().setVisible(control_->visible()); break;
    case Property::Enabled: widget().setEnabled(control_->enabled()); break;
    case Property::Font: applyFont(); break;
    case Property::Focus:
    case Property::TabOrder:
    case Property::Interval: break;
    default: refresh(); break;
    }
}

void ControlWidget::mirrorAll()
{
    if (!control_) return;
    auto scope = bridge_.mirrorScope();
    place();
    widget().setEnabled(control_->enabled());
    applyFont();
    refresh();
    widget().setVisible(control_->visible());
}

// The size is fixed, as only the control sets it: a new caption or text then asks its window for no
// new layout, and repaints the widget alone.
void ControlWidget::place()
{
    widget().setFixedSize(toPixels(control_->width()), toPixels(control_->height()));
    widget().move(toPixels(control_->left()), toPixels(control_->top()));
}

// A control keeping the default size takes the form's font from its surface; the face is the
// form face whatever the control names.
void ControlWidget::applyFont()
{
    const bool ownFont = control_->fontSize() != kDefaultFontSize;
    if (ownFont || widget().testAttribute(Qt::WA_SetFont)) widget().setFont(controlFont(control_->fontSize()));
}

void ControlWidget::watch(QWidget& target)
{
    new EventHook(target, [this, &target](QEvent& event) { return filter(target, event); });
}

void ControlWidget::act(const std::function<void(UserInput&, Control&)>& action)
{
    if (!control_ || mirroring()) return;
    bridge_.userDid([&](UserInput& input) {
        if (control_) action(input, *control_);
    });
    mirrorAll();
}

bool ControlWidget::mouse(QWidget& target, QMouseEvent& event)
{
    switch (event.type()) {
    case QEvent::MouseButtonRelease:
        if (event.button() == Qt::LeftButton && target.rect().contains(event.position().toPoint()))
            act([](UserInput& input, Control& control) { input.click(control); });
        return true;
    case QEvent::MouseButtonDblClick:
        if (event.button() == Qt::LeftButton)
            act([](UserInput& input, Control& control) { input.doubleClick(control); });
        return true;
    case QEvent::MouseButtonPress: return true;
    default: return false;
    }
}

bool ControlWidget::filter(QWidget& target, QEvent& event)
{
    switch (event.type()) {
    case QEvent::KeyPress:
        if (control_) bridge_.key(control_->form(), control_, static_cast<QKeyEvent&>(event));
        return true;
    case QEvent::KeyRelease:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: return true;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove: return !control_ || mouse(target, static_cast<QMouseEvent&>(event));
    default: return false;
    }
}

} // namespace tarvik
