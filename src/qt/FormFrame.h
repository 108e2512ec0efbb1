#pragma once

#include "qt/InputBridge.h"

#include <QCloseEvent>
#include <QEvent>
#include <QWidget>

#include <utility>

namespace tarvik {

class Form;

// A child window without a title bar and border: the backdrop of the main window's area, not a
// window of its own.
inline bool isBackdrop(const QWidget& child) { return child.windowFlags().testFlag(Qt::FramelessWindowHint); }

// What every window frame of a form reports: the close box, moves and sizes, minimising and
// maximising, and (for top-level windows) activation. A frame never closes itself: the runtime
// decides (QueryUnload may cancel) and the renderer removes the frame when the form unloads.
class FrameLink {
public:
    FrameLink(InputBridge& bridge, bool reportsActivation) : bridge_(bridge), reportsActivation_(reportsActivation) {}
    FrameLink(const FrameLink&) = delete;
    FrameLink& operator=(const FrameLink&) = delete;
    virtual ~FrameLink() = default;

    Form* form() const { return form_; }
    // The form shown in the frame; nullptr when it unloaded.
    void link(Form* form) { form_ = form; }
    // Tells the form where its frame is and how large, as a move by the user does: for a frame
    // the renderer placed otherwise than the form asked (to keep it on the screen).
    virtual void reportShownGeometry() = 0;

protected:
    void reportClose();
    void reportGeometry(const QRect& frame, Qt::WindowStates states);
    void reportState(Qt::WindowStates states);
    void reportActivation();

    InputBridge& bridge_;

private:
    Form* form_ = nullptr;
    bool reportsActivation_;
};

template <class Base>
class FormFrame : public Base, public FrameLink {
public:
    template <class... Args>
    FormFrame(InputBridge& bridge, bool reportsActivation, Args&&... args)
        : Base(std::forward<Args>(args)...), FrameLink(bridge, reportsActivation)
    {
    }

    void reportShownGeometry() override { reportGeometry(this->frameGeometry(), this->windowState()); }

protected:
    void closeEvent(QCloseEvent* event) override
    {
        event->ignore();
        reportClose();
    }
    void moveEvent(QMoveEvent* event) override
    {
        Base::moveEvent(event);
        reportGeometry(this->frameGeometry(), this->windowState());
    }
    void resizeEvent(QResizeEvent* event) override
    {
        Base::resizeEvent(event);
        reportGeometry(this->frameGeometry(), this->windowState());
    }
    void changeEvent(QEvent* event) override
    {
        Base::changeEvent(event);
        if (event->type() == QEvent::WindowStateChange) reportState(this->windowState());
        if (event->type() == QEvent::ActivationChange && this->isActiveWindow()) reportActivation();
    }
};

} // namespace tarvik
