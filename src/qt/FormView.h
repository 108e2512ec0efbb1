#pragma once

#include "qt/FocusMark.h"
#include "qt/FormFrame.h"
#include "runtime/RuntimeObserver.h"

#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollArea>
#include <QWidget>

#include <unordered_map>

namespace tarvik {

class Control;
class ControlWidget;
class EventHook;
class Form;
class InputBridge;
class MainWindow;

// The Qt side of one loaded form: a surface holding the widgets of its controls, and the frame
// it is shown in, chosen each time it is shown: the main window for the main form, a dialog for
// a modal show, a child window in the main window's area for a modeless child form, a top-level
// window otherwise.
class FormView {
public:
    FormView(Form& form, InputBridge& bridge, MainWindow& main);
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;
    // Detaches every widget and lets Qt delete the surface and the frame. The form is not
    // touched: it may be gone already.
    ~FormView();

    void addControl(Control& control);
    ControlWidget* widgetOf(const Control& control) const;
    // The frame showing the form, nullptr while it is not shown.
    QWidget* window() const;

    // Whether showing the active form may activate its window. A change the program makes on its
    // own (a run ending, a control disabled, SetFocus from code) moves the keyboard inside the
    // window only; it never takes the keyboard from another window.
    enum class Activation { InsideItsWindow, Allowed };

    // `activation` applies when the form became active or its focus moved.
    void formChanged(Property property, Activation activation);
    void controlChanged(Control& control, Property property);
    // Moves the frame (the main window for the main form) to the frame the form needs now.
    void refreshFrame();
    // Puts the Qt focus on the form's active control, if the form is the runtime's active form,
    // and activates and raises its frame (for a child window, the main window) if `activation`
    // allows or the frame has just been shown.
    void showActive(Activation activation);
    // The form's own window (not a child window in the main window) has the keyboard.
    bool hasKeyboard() const;

private:
    enum class FrameKind { None, Main, Child, Dialog, Window };

    FrameKind wantedFrame() const;
    void reframe();
    void dropFrame();
    QWidget* frameWidget() const;
    void showVisibility();
    void applyCaption();
    void applyBackdrop();
    void applyGeometry();
    // Where a frame may lie: its screen's available area, for a child window the main window's
    // area; empty while that is not known. A frame larger than the area is shrunk to it.
    QRect availableArea(const QWidget& frame) const;
    // `wanted`, wider (taller) by a scroll bar where the area cuts its height (width).
    QRect withRoomForScrollBars(QRect wanted, const QRect& area, const QWidget& frame) const;
    // The surface is at least as large as the controls on it, so that a frame smaller than that
    // (shrunk to the screen, maximised in a small main window, sized by the user) scrolls.
    void fitExtent();
    // Sizes the frame so that its outer size, decoration included, is `outer`.
    void sizeFrame(QWidget& frame, QSize outer);
    void watchDecoration(QWidget& frame);
    void applyWindowState();
    void applyZOrder();
    bool surfaceEvent(QEvent& event);
    Qt::WindowFlags frameFlags(FrameKind kind) const;
    // Marks the focused control and draws as default the button Enter presses now.
    void showFocus();

    Form& form_;
    InputBridge& bridge_;
    MainWindow& main_;
    QPointer<QWidget> surface_;
    // Holds the surface in child, dialog and top-level frames.
    QPointer<QScrollArea> scroller_;
    QPointer<EventHook> surfaceHook_;
    QPointer<FocusMark> focusMark_;
    FrameKind kind_ = FrameKind::None;
    // The window manager's border and title bar around the top-level frame, as last seen.
    QSize decoration_;
    bool mainWatched_ = false;
    // The frame was shown and the form has not been active since: it may take the keyboard.
    bool opening_ = false;
    // The surface has the form face (set with the first control that writes text).
    bool hasFormFont_ = false;
    QPointer<FormFrame<QMdiSubWindow>> child_;
    QPointer<FormFrame<QWidget>> window_;
    std::unordered_map<const Control*, ControlWidget*> widgets_;
};

} // namespace tarvik
