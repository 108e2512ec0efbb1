#include "forms/qt/FormFont.h"

#include "forms/runtime/Control.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>

namespace tarvik {

namespace {

// Families of dialog-like metrics, narrowest suitable first among the common ones.
QStringList formFamilies()
{
    return {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
            QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"), QStringLiteral("DejaVu Sans Condensed")};
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

} // namespace

QFont formFont() { return controlFont(std::string(kDefaultFontName), kDefaultFontSize); }

QFont controlFont(const std::string& name, float points)
{
    QStringList families = formFamilies();
    if (name != kDefaultFontName) families.prepend(QString::fromStdString(name));
    const double size = points > 0 ? points : kDefaultFontSize;
    return sizedFont(families, fittedPoints(families, size));
}

} // namespace tarvik
