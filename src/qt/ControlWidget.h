#pragma once

#include "runtime/RuntimeObserver.h"

#include <functional>

class QEvent;
class QMouseEvent;
class QWidget;

namespace tarvik {

class Control;
class InputBridge;
class UserInput;

// The Qt side of one control: a widget that mirrors the control's state and reports what the
// user does to it. Each control kind has its own widget class deriving from a Qt widget and from
// this. Widgets belong to the Qt parent tree; when the form unloads, the renderer detaches them
// (they stop mirroring and swallow input) and lets Qt delete them.
class ControlWidget {
public:
    ControlWidget(const ControlWidget&) = delete;
    ControlWidget& operator=(const ControlWidget&) = delete;
    virtual ~ControlWidget() = default;

    virtual QWidget& widget() = 0;
    // The part that holds the keyboard focus (an inner editor of a composite widget).
    virtual QWidget& focusTarget() { return widget(); }

    // The mirrored control, nullptr once detached.
    Control* control() const { return control_; }
    void detach() { control_ = nullptr; }

    // Pixels by which the control's caption is wider (or, wrapped, taller) than the room the
    // control gives it; 0 when it fits or the kind shows no caption. A caption that does not fit
    // is shown cut short, and whole as the tooltip.
    virtual int captionOverflow() const { return 0; }

    // Copies one changed property, or everything, from the control into the widget.
    void mirror(Property property);
    void mirrorAll();

protected:
    ControlWidget(Control& control, InputBridge& bridge);

    template <class T>
    T& controlAs() const
    {
        return static_cast<T&>(*control_);
    }
    bool mirroring() const;

    // Copies what is particular to the kind: text, rows, value, colours, caption.
    virtual void refresh() = 0;
    // Places the widget at the control's position and size within its container.
    virtual void place();
    // Mouse on a watched widget; true when handled here (Qt then ignores it). By default a
    // press is taken, a left release inside clicks and a double click double-clicks.
    virtual bool mouse(QWidget& target, QMouseEvent& event);

    // Routes keys and mouse of `target` (the widget itself or an inner part) to the runtime;
    // context menus, input methods and drops never edit anything.
    void watch(QWidget& target);
    // A user's action on this control; the widget is mirrored again afterwards, so that what
    // Qt changed on its own and the runtime refused is put back.
    void act(const std::function<void(UserInput&, Control&)>& action);

private:
    bool filter(QWidget& target, QEvent& event);
    void applyFont();

    Control* control_;
    InputBridge& bridge_;
};

} // namespace tarvik
