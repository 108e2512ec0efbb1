#pragma once

#include <QRect>

namespace tarvik {

// `wanted` shrunk to fit `area` where it is larger, then moved inside it: where a window may lie
// (the screen's available area, the main window's area for a child window).
QRect within(const QRect& wanted, const QRect& area);

} // namespace tarvik
