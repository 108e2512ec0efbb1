#include "qt/FormView.h"

#include "qt/AreaFit.h"
#include "qt/EventHook.h"
#include "qt/MainWindow.h"
#include "qt/QtUnits.h"
#include "runtime/Form.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QScreen>
#include <QScrollBar>
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
    const QRect wanted(toPixels(form_.left()), toPixels(form_.top()), std::max(1, toPixels(form_.width())),
                       std::max(1, toPixels(form_.height())));
    const QRect area = availableArea(*frame);
    const QRect shown = area.isEmpty() ? wanted : within(withRoomForScrollBars(wanted, area, *frame), area);
    frame->move(shown.topLeft());
    sizeFrame(*frame, shown.size());
    if (shown == wanted) return;
    // The form learns the size it is shown at, once the placement is over.
    QTimer::singleShot(0, frame, [frame] {
        if (auto* link = dynamic_cast<FrameLink*>(frame)) link->reportShownGeometry();
    });
}

// The form's size is the outer size of its window; Qt sizes windows without their decoration. A
// modal window keeps the size its form gives it: the user answers it, and does not arrange it.
void FormView::sizeFrame(QWidget& frame, QSize outer)
{
    const QSize decoration = frame.frameGeometry().size() - frame.size();
    const QSize client(std::max(1, outer.width() - decoration.width()), std::max(1, outer.height() - decoration.height()));
    if (kind_ == FrameKind::Dialog)
        frame.setFixedSize(client);
    else
        frame.resize(client);
}

// The window manager frames a top-level window only once it is shown: until then its border and
// title bar are unknown, and the client area was sized as if the form's whole size were its own.
// When the frame becomes known, before the move is reported to the form, the window is placed
// again: the client area shrinks by the frame, so that the window's outer size stays the form's
// (or the screen's, for a form larger than that), and the frame lies where the form asks.
void FormView::watchDecoration(QWidget& frame)
{
    new EventHook(frame, [this, &frame](QEvent& event) {
        if (event.type() != QEvent::Move && event.type() != QEvent::Resize) return false;
        const QSize decoration = frame.frameGeometry().size() - frame.size();
        if (decoration == decoration_) return false;
        decoration_ = decoration;
        if (frameWidget() == &frame) applyGeometry();
        return false;
    });
}

// A frame cut short by the area in one direction scrolls in it, and its scroll bar takes room
// from the other: there the frame grows by the bar, where the area has room, so that the surface
// shows whole in that direction.
QRect FormView::withRoomForScrollBars(QRect wanted, const QRect& area, const QWidget& frame) const
{
    if (!scroller_ || !surface_) return wanted;
    // Around the scroll area: the window manager's border and title bar of a window of its own,
    // the title bar and border a child window draws itself.
    const QSize chrome = frame.isWindow() ? frame.frameGeometry().size() - frame.size() : frame.size() - frame.contentsRect().size();
    const QSize whole = surface_->minimumSize() + chrome;
    if (wanted.height() > area.height())
        wanted.setWidth(std::max(wanted.width(), whole.width() + scroller_->verticalScrollBar()->sizeHint().width()));
    if (wanted.width() > area.width())
        wanted.setHeight(std::max(wanted.height(), whole.height() + scroller_->horizontalScrollBar()->sizeHint().height()));
    return wanted;
}

QRect FormView::availableArea(const QWidget& frame) const
{
    // A child window stays within the main window's area, once that has its size.
    if (kind_ == FrameKind::Child)
        return main_.isVisible() ? QRect(QPoint(0, 0), main_.mdiArea().viewport()->size()) : QRect();
    const QScreen* screen = frame.screen() ? frame.screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect();
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
