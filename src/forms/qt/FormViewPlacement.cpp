#include "forms/qt/FormView.h"

#include "forms/qt/EventHook.h"
#include "forms/qt/MainWindow.h"
#include "forms/qt/QtUnits.h"
#include "forms/runtime/Form.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QTimer>

#include <algorithm>

// Where a form's frame goes and how large: the form's geometry kept within the screen (or the
// main window's area), the window manager's frame taken into account, and the surface as large
// as its controls so that a smaller frame scrolls.

namespace tarvik {

void FormView::applyGeometry()
{
    QWidget* frame = frameWidget();
    if (!frame || form_.windowState() != WindowState::Normal) return;
    auto scope = bridge_.mirrorScope();
    // The form's size is the outer size of its window; Qt sizes top-level windows without their
    // decoration.
    const QSize decoration = frame->frameGeometry().size() - frame->size();
    const QRect wanted(toPixels(form_.left()), toPixels(form_.top()), std::max(1, toPixels(form_.width())),
                       std::max(1, toPixels(form_.height())));
    if (keepOnScreen(*frame, wanted)) {
        // The form learns the size it is shown at, once the placement is over.
        QTimer::singleShot(0, frame, [frame] {
            if (auto* link = dynamic_cast<FrameLink*>(frame)) link->reportShownGeometry();
        });
        return;
    }
    frame->move(wanted.topLeft());
    sizeFrame(*frame, QSize(std::max(1, wanted.width() - decoration.width()), std::max(1, wanted.height() - decoration.height())));
}

// A modal window keeps the size its form gives it: the user answers it, and does not arrange it.
void FormView::sizeFrame(QWidget& frame, QSize size)
{
    if (kind_ == FrameKind::Dialog)
        frame.setFixedSize(size);
    else
        frame.resize(size);
}

// The window manager frames a top-level window only once it is shown: until then its border and
// title bar are unknown, and the client area was sized as if the form's whole size were its own.
// When the frame becomes known, before the move is reported to the form, the client area
// shrinks by it, so that the window's outer size stays the form's.
void FormView::watchDecoration(QWidget& frame)
{
    new EventHook(frame, [this, &frame](QEvent& event) {
        if (event.type() != QEvent::Move && event.type() != QEvent::Resize) return false;
        const QSize decoration = frame.frameGeometry().size() - frame.size();
        if (decoration == decoration_) return false;
        decoration_ = decoration;
        if (frameWidget() != &frame || form_.windowState() != WindowState::Normal) return false;
        auto scope = bridge_.mirrorScope();
        sizeFrame(frame, QSize(std::max(1, toPixels(form_.width()) - decoration.width()),
                               std::max(1, toPixels(form_.height()) - decoration.height())));
        return false;
    });
}

bool FormView::keepOnScreen(QWidget& frame, QRect wanted)
{
    QRect area;
    if (kind_ == FrameKind::Child) {
        // A child window stays within the main window's area, once that has its size.
        if (!main_.isVisible()) return false;
        area = QRect(QPoint(0, 0), main_.mdiArea().viewport()->size());
    } else if (const QScreen* screen = frame.screen() ? frame.screen() : QGuiApplication::primaryScreen()) {
        area = screen->availableGeometry();
    }
    if (area.isEmpty()) return false;
    QRect shown = wanted;
    shown.setWidth(std::min(shown.width(), area.width()));
    shown.setHeight(std::min(shown.height(), area.height()));
    shown.moveLeft(std::clamp(shown.left(), area.left(), area.right() + 1 - shown.width()));
    shown.moveTop(std::clamp(shown.top(), area.top(), area.bottom() + 1 - shown.height()));
    if (shown == wanted) return false;
    const QSize decoration = frame.frameGeometry().size() - frame.size();
    frame.move(shown.topLeft());
    sizeFrame(frame, QSize(std::max(1, shown.width() - decoration.width()), std::max(1, shown.height() - decoration.height())));
    return true;
}

void FormView::fitExtent()
{
    if (!surface_ || !scroller_) return;
    QRect extent;
    for (QWidget* child : surface_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!child->isHidden() && child != focusMark_) extent |= child->geometry();
    surface_->setMinimumSize(std::max(0, extent.right() + 1), std::max(0, extent.bottom() + 1));
}

} // namespace tarvik
