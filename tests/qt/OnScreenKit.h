#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <string>

using Display = struct _XDisplay;

namespace tarvik::testing {

// True when the test runs on a real X server (the qt.OnScreen test); other platforms skip.
bool onScreen();

// Lets the program and the window system run until `done` holds for the window, for at most
// `limitMs`; false when it never did or the window went meanwhile.
bool waitUntil(const QPointer<QWidget>& window, const std::function<bool(QWidget&)>& done, int limitMs = 5000);

bool exposed(QWidget& window);
bool active(QWidget& window);
// The window manager has taken the window: its border and title bar are known (unless it has
// none), and it lies within the screen's available area.
bool placed(QWidget& window);

// The X connection of the application on the X server; nullptr on other platforms.
Display* x11Display();

// Lets the program run until the window manager has handled every request the program sent
// it so far (activations, raises); false when it did not answer in time.
bool windowManagerCaughtUp();

// What the X server says: the window has the keyboard; `upper` is stacked above `lower`.
bool hasKeyboard(QWidget& window);
bool stackedAbove(QWidget& upper, QWidget& lower);

// The window asks the user's attention: the window manager marks it so (in the task bar).
bool asksForAttention(QWidget& window);

// A window of another application, a client of the X server of its own, shown for the life of
// the object: the window manager gives it the keyboard as it gives it to any new window.
class OtherApplication {
public:
    OtherApplication();
    OtherApplication(const OtherApplication&) = delete;
    OtherApplication& operator=(const OtherApplication&) = delete;
    ~OtherApplication();

    bool hasKeyboard() const;
    // Its window is stacked above the program's `window`.
    bool above(QWidget& window) const;

private:
    Display* display_;
    unsigned long window_ = 0;
};

// "x,y wxh", as findings print a rectangle.
std::string text(const QRect& r);

} // namespace tarvik::testing
