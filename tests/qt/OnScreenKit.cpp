#include "OnScreenKit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace tarvik::testing {

namespace {

constexpr int kPollMs = 10;

// The windows that are children of the root, bottom to top: the window manager's frames and
// the windows it does not frame.
std::vector<Window> stackingOrder(Display* display)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) return {};
    std::vector<Window> order(children, children + count);
    if (children) XFree(children);
    return order;
}

// The child of the root that holds `window`: the frame the window manager put around it.
Window outermost(Display* display, Window window)
{
    for (;;) {
        Window root = 0, parent = 0;
        Window* children = nullptr;
        unsigned int count = 0;
        if (!XQueryTree(display, window, &root, &parent, &children, &count)) return 0;
        if (children) XFree(children);
        if (parent == root || parent == 0) return window;
        window = parent;
    }
}


bool focusIn(Display* display, Window window)
{
    Window focus = 0;
    int revert = 0;
    XGetInputFocus(display, &focus, &revert);
    return focus > PointerRoot && outermost(display, focus) == outermost(display, window);
}

bool stackedAbove(Display* display, Window upper, Window lower)
{
    const std::vector<Window> order = stackingOrder(display);
    const auto above = std::find(order.begin(), order.end(), outermost(display, upper));
    const auto below = std::find(order.begin(), order.end(), outermost(display, lower));
    return above != order.end() && below != order.end() && above > below;
}

Window idOf(QWidget& window) { return static_cast<Window>(window.winId()); }

} // namespace

bool onScreen()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform && std::string_view(platform) == "xcb";
}

bool waitUntil(const QPointer<QWidget>& window, const std::function<bool(QWidget&)>& done, int limitMs)
{
    for (int waited = 0; waited < limitMs; waited += kPollMs) {
        if (!window) return false;
        if (done(*window)) return true;
        QTest::qWait(kPollMs);
    }
    return window && done(*window);
}

bool exposed(QWidget& window) { return window.windowHandle() && window.windowHandle()->isExposed(); }
bool active(QWidget& window) { return window.isActiveWindow(); }

bool placed(QWidget& window)
{
    const bool framed = window.frameGeometry() != window.geometry() || window.windowFlags().testFlag(Qt::FramelessWindowHint);
    return framed && window.screen() && window.screen()->availableGeometry().contains(window.frameGeometry());
}

Display* x11Display()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->display() : nullptr;
}

// The window manager handles requests in the order they come: once it has answered a request to
// estimate the frame of a window of our own, it has handled everything sent before.
bool windowManagerCaughtUp()
{
    Display* display = x11Display();
    if (!display) return false;
    const Window root = DefaultRootWindow(display);
    const Window probe = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    const Atom extents = XInternAtom(display, "_NET_FRAME_EXTENTS", False);
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = probe;
    request.xclient.message_type = XInternAtom(display, "_NET_REQUEST_FRAME_EXTENTS", False);
    request.xclient.format = 32;
    XSendEvent(display, root, False, SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(display);
    const auto answered = [&] {
        Atom type = None;
        int format = 0;
        unsigned long items = 0, left = 0;
        unsigned char* data = nullptr;
        XGetWindowProperty(display, probe, extents, 0, 4, False, XA_CARDINAL, &type, &format, &items, &left, &data);
        if (data) XFree(data);
        return items == 4;
    };
    bool done = answered();
    for (int waited = 0; !done && waited < 5000; waited += kPollMs) {
        QTest::qWait(kPollMs);
        done = answered();
    }
    XDestroyWindow(display, probe);
    XFlush(display);
    // What the window manager did reaches the program as events: they are handled too.
    QCoreApplication::processEvents();
    return done;
}

bool hasKeyboard(QWidget& window)
{
    Display* display = x11Display();
    return display && focusIn(display, idOf(window));
}

bool stackedAbove(QWidget& upper, QWidget& lower)
{
    Display* display = x11Display();
    return display && stackedAbove(display, idOf(upper), idOf(lower));
}

bool asksForAttention(QWidget& window)
{
    Display* display = x11Display();
    if (!display) return false;
    const Atom demandsAttention = XInternAtom(display, "_NET_WM_STATE_DEMANDS_ATTENTION", False);
    Atom type = None;
    int format = 0;
    unsigned long items = 0, left = 0;
    unsigned char* data = nullptr;
    XGetWindowProperty(display, idOf(window), XInternAtom(display, "_NET_WM_STATE", False), 0, 64, False, XA_ATOM, &type,
                       &format, &items, &left, &data);
    const auto* states = reinterpret_cast<const Atom*>(data);
    const bool asks = data && std::find(states, states + items, demandsAttention) != states + items;
    if (data) XFree(data);
    return asks;
}

OtherApplication::OtherApplication() : display_(XOpenDisplay(nullptr))
{
    if (!display_) return;
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), 0, 0, 400, 300, 0, 0, WhitePixel(display_, 0));
    XStoreName(display_, window_, "Another application");
    XMapWindow(display_, window_);
    XSync(display_, False);
}

OtherApplication::~OtherApplication()
{
    if (!display_) return;
    XDestroyWindow(display_, window_);
    XCloseDisplay(display_);
}

bool OtherApplication::hasKeyboard() const
{
    Display* display = x11Display();
    return display && focusIn(display, window_);
}

bool OtherApplication::above(QWidget& window) const
{
    Display* display = x11Display();
    return display && stackedAbove(display, window_, idOf(window));
}

std::string text(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

} // namespace tarvik::testing
