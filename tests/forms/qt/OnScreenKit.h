#pragma once

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <string>

namespace tarvik::testing {

// True when the test runs on a real X server (the qt.OnScreen test); other platforms skip.
bool onScreen();

// Lets the program and the window system run until `done` holds for the window, for at most
// two seconds; false when it never did or the window went meanwhile.
bool waitUntil(const QPointer<QWidget>& window, const std::function<bool(QWidget&)>& done);

bool exposed(QWidget& window);
bool active(QWidget& window);

// "x,y wxh", as findings print a rectangle.
std::string text(const QRect& r);

} // namespace tarvik::testing
