#include "qt/QtUnits.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace tarvik {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kFallbackDpi = 96.0;

double logicalDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInch() : 0.0;
    return dpi > 0 ? dpi : kFallbackDpi;
}

bool isSystemColor(Color color) { return color < 0 || color == colors::ButtonFace; }

} // namespace

int toPixels(double twips) { return static_cast<int>(std::lround(twips * logicalDpi() / kTwipsPerInch)); }

double toTwips(int pixels) { return pixels * kTwipsPerInch / logicalDpi(); }

QColor toQColor(Color color)
{
    if (isSystemColor(color)) return QGuiApplication::palette().color(QPalette::Window);
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

void setPaletteColor(QWidget& widget, QPalette::ColorRole role, Color color)
{
    // The disabled group is left to the style, so that a disabled control looks disabled
    // whatever colours it has.
    QPalette palette = widget.palette();
    bool changed = false;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QColor qcolor = isSystemColor(color) ? QApplication::palette(&widget).color(group, role) : toQColor(color);
        if (palette.color(group, role) == qcolor) continue;
        palette.setColor(group, role, qcolor);
        changed = true;
    }
    if (changed) widget.setPalette(palette);
}

QString toQString(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace tarvik
