#include "OnScreenKit.h"

#include <QTest>
#include <QWindow>

#include <cstdlib>
#include <string_view>

namespace tarvik::testing {

bool onScreen()
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return platform && std::string_view(platform) == "xcb";
}

bool waitUntil(const QPointer<QWidget>& window, const std::function<bool(QWidget&)>& done)
{
    for (int waited = 0; waited < 2000; waited += 10) {
        if (!window) return false;
        if (done(*window)) return true;
        QTest::qWait(10);
    }
    return window && done(*window);
}

bool exposed(QWidget& window) { return window.windowHandle() && window.windowHandle()->isExposed(); }
bool active(QWidget& window) { return window.isActiveWindow(); }

std::string text(const QRect& r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "x" +
           std::to_string(r.height());
}

} // namespace tarvik::testing
