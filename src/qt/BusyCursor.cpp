#include "qt/BusyCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace tarvik {

namespace {

bool busyShows()
{
    const QCursor* shown = QGuiApplication::overrideCursor();
    return shown && shown->shape() == Qt::WaitCursor;
}

} // namespace

// The application's override cursors form a stack: a pause puts the normal cursor over the busy
// one and takes it off again.
BusyCursor::BusyCursor() { QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor)); }

BusyCursor::~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }

// The busy cursor on top of the stack turns normal in place, so that the stack stays as deep as
// the actions and pauses that built it. Under a pause the normal cursor shows already.
void BusyCursor::awaitUser()
{
    if (busyShows()) QGuiApplication::changeOverrideCursor(QCursor(Qt::ArrowCursor));
}

BusyCursor::Pause::Pause() : paused_(QGuiApplication::overrideCursor() != nullptr)
{
    if (paused_) QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
}

BusyCursor::Pause::~Pause()
{
    if (paused_) QGuiApplication::restoreOverrideCursor();
}

} // namespace tarvik
