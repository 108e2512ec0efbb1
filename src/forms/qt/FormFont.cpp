#include "forms/qt/FormFont.h"

#include <QStringList>

namespace tarvik {

namespace {

constexpr double kFormPointSize = 8.0;

} // namespace

QFont formFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial"),
                      QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(kFormPointSize);
    return font;
}

} // namespace tarvik
