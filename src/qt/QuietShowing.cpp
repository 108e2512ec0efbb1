#include "qt/QuietShowing.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace tarvik {

namespace {

// How the window shows when the user is with the program, kept while it is shown quietly; a
// child of the window, it goes with the window.
class ReturnWatch final : public QObject {
public:
    ReturnWatch(QWidget& window, Qt::WindowModality modality, QWindow* transientParent)
        : QObject(&window), window_(window), modality_(modality), transientParent_(transientParent)
    {
        connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
            if (state != Qt::ApplicationActive) return;
            disconnect(qGuiApp, nullptr, this, nullptr);
            userCameBack();
        });
    }

private:
    // The window takes its own ways back, and a window still shown comes forward as if opened
    // now: Qt applies them when it shows the window (a changed stacking hint makes it a new
    // native window, built with the attributes set before).
    void userCameBack()
    {
        const bool shown = window_.isVisible();
        window_.hide();
        window_.setAttribute(Qt::WA_ShowWithoutActivating, false);
        window_.setWindowModality(modality_);
        window_.setWindowFlag(Qt::WindowStaysOnBottomHint, false);
        window_.winId();
        window_.windowHandle()->setTransientParent(transientParent_);
        if (shown) {
            window_.show();
            window_.raise();
            window_.activateWindow();
        }
        deleteLater();
    }

    QWidget& window_;
    Qt::WindowModality modality_;
    QPointer<QWindow> transientParent_;
};

bool watched(const QWidget& window)
{
    const QObjectList& children = window.children();
    return std::any_of(children.begin(), children.end(), [](QObject* child) { return dynamic_cast<ReturnWatch*>(child); });
}

} // namespace

void showQuietly(QWidget& window)
{
    // Shown again before the user came back, the window keeps the way back it has.
    if (!watched(window)) {
        // A modal window asks for the keyboard as it shows: it holds the others only from the
        // user's return on. The window manager keeps a window that stands over another (as a
        // dialog over the main window) in that one's layer, which may be in front: the window
        // stands alone, on the bottom layer.
        const Qt::WindowModality modality = window.windowModality();
        window.setAttribute(Qt::WA_ShowWithoutActivating, true);
        window.setWindowModality(Qt::NonModal);
        window.setWindowFlag(Qt::WindowStaysOnBottomHint, true);
        window.winId();
        QWindow* handle = window.windowHandle();
        new ReturnWatch(window, modality, handle->transientParent());
        handle->setTransientParent(nullptr);
    }
    window.show();
    QApplication::alert(&window);
}

} // namespace tarvik
