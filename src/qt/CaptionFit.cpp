#include "qt/CaptionFit.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

namespace tarvik {

FittedCaption fitLine(const QString& caption, const QFontMetrics& metrics, int room)
{
    const int needed = metrics.horizontalAdvance(caption);
    if (caption.isEmpty() || needed <= room) return {caption, 0};
    return {metrics.elidedText(caption, Qt::ElideRight, std::max(0, room)), needed - room};
}

FittedCaption fitWrapped(const QString& caption, const QFontMetrics& metrics, int width, int height)
{
    if (caption.isEmpty()) return {caption, 0};
    const QRect needed = metrics.boundingRect(QRect(0, 0, std::max(1, width), 0x7FFF), Qt::TextWordWrap, caption);
    const int overflow = std::max({0, needed.width() - width, needed.height() - height});
    if (overflow == 0) return {caption, 0};
    // Room for one line only: the line is cut short; otherwise the lines run as they wrap.
    if (height < 2 * metrics.height()) return {metrics.elidedText(caption, Qt::ElideRight, width), overflow};
    return {caption, overflow};
}

void showWholeCaption(QWidget& widget, const QString& caption, const FittedCaption& fitted)
{
    const QString tip = fitted.overflow > 0 ? caption : QString();
    if (widget.toolTip() != tip) widget.setToolTip(tip);
}

} // namespace tarvik
