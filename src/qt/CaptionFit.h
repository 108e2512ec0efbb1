#pragma once

#include <QString>

class QFontMetrics;
class QWidget;

namespace tarvik {

// A caption fitted to the room a control gives it: the whole caption when it fits, else the caption
// cut short with an ellipsis; the whole caption is then the widget's tooltip.
struct FittedCaption {
    QString shown;
    int overflow = 0; // pixels the whole caption needs beyond the room, 0 when it fits
};

// On one line.
FittedCaption fitLine(const QString& caption, const QFontMetrics& metrics, int room);
// Wrapped at word breaks within `width`, in lines of the font's height within `height`.
FittedCaption fitWrapped(const QString& caption, const QFontMetrics& metrics, int width, int height);

// Shows the whole caption as the widget's tooltip while it is cut short.
void showWholeCaption(QWidget& widget, const QString& caption, const FittedCaption& fitted);

} // namespace tarvik
