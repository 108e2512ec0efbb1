#pragma once

#include "runtime/Control.h"

#include <QColor>
#include <QPalette>
#include <QString>

#include <string>

class QWidget;

namespace tarvik {

// Positions and sizes: twips to pixels at the screen's logical DPI (1440 twips an inch).
int toPixels(double twips);
double toTwips(int pixels);

// A runtime colour (red + green * 256 + blue * 65536). The button-face grey every form and label
// starts with is the style's window colour, so that forms look native; so are the negative values
// that stand for other system colours.
QColor toQColor(Color color);

// Paints one palette role of a widget with a runtime colour while it is enabled; system colours
// give the role the style's colour back. Disabled, the widget has the style's disabled colours.
void setPaletteColor(QWidget& widget, QPalette::ColorRole role, Color color);

// Texts are UTF-8 in the runtime.
QString toQString(const std::string& text);

} // namespace tarvik
