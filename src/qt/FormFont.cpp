#include "qt/FormFont.h"

#include "runtime/Control.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

namespace tarvik {

namespace {

// The families asked for: the loaded form face alone, or, when its file is missing, faces of
// dialog-like metrics, narrowest suitable first among the common ones.
const QStringList& formFamilies()
{
    static const QStringList families = [] {
        const int id = QFontDatabase::addApplicationFont(QString::fromUtf8(kFormFaceFile));
        const QStringList loaded = QFontDatabase::applicationFontFamilies(id);
        // The file names its family twice (the typographic family first); the condensed name
        // selects the condensed width.
        if (!loaded.isEmpty()) return QStringList{loaded.back()};
        std::fprintf(stderr, "tarvik: the form face %s could not be loaded; using the nearest sans-serif face.\n",
                     kFormFaceFile);
        return QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                           QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                           QStringLiteral("DejaVu Sans Condensed")};
    }();
    return families;
}

// The alphabet, upper and lower case, measures the width of a family's text.
const QString& alphabet()
{
    static const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    return letters;
}

// The dialog face forms were laid out for writes the alphabet in 300 pixels at 96 pixels an inch
// (52 letters at an average of 5.77 pixels; its dialog base unit is 6 pixels wide).
constexpr double kAlphabetInches = 300.0 / 96.0;
// Fonts shrink no further than this part of their size to fit: beyond, text turns unreadable.
constexpr double kSmallestShare = 0.75;

QFont sizedFont(const QStringList& families, double points)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    return font;
}

// The size at which a face writes the alphabet no wider than the dialog face did at `points`.
double fittedPoints(const QStringList& families, double points)
{
    const QFont font = sizedFont(families, points);
    const double inches = QFontMetricsF(font).horizontalAdvance(alphabet()) / QFontMetricsF(font).fontDpi();
    const double wanted = kAlphabetInches * points / kDefaultFontSize;
    if (inches <= wanted) return points;
    return points * std::max(kSmallestShare, wanted / inches);
}

// The screen's logical resolution, which the fitted size depends on.
double screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

} // namespace

QFont formFont() { return controlFont(kDefaultFontSize); }

QFont controlFont(float points)
{
    // Measuring a face costs a font lookup; a form shows few sizes, so each is fitted once.
    static std::map<std::pair<double, double>, QFont> fitted;
    const double size = points > 0 ? points : kDefaultFontSize;
    const auto key = std::make_pair(size, screenDpi());
    if (const auto found = fitted.find(key); found != fitted.end()) return found->second;
    const QStringList& families = formFamilies();
    return fitted.emplace(key, sizedFont(families, fittedPoints(families, size))).first->second;
}

} // namespace tarvik
