#pragma once

#include <QFont>

namespace tarvik {

// The font every form's controls are drawn in. Forms place their controls for a small 8-point
// dialog font; the desktop's default font is usually larger and wider, and would clip captions
// and push words out of their labels. A sans-serif family of classic dialog metrics is preferred
// where one is installed.
QFont formFont();

} // namespace tarvik
