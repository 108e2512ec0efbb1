#include "qt/AreaFit.h"

#include <algorithm>

namespace tarvik {

QRect within(const QRect& wanted, const QRect& area)
{
    QRect shown = wanted;
    shown.setWidth(std::min(shown.width(), area.width()));
    shown.setHeight(std::min(shown.height(), area.height()));
    shown.moveLeft(std::clamp(shown.left(), area.left(), area.right() + 1 - shown.width()));
    shown.moveTop(std::clamp(shown.top(), area.top(), area.bottom() + 1 - shown.height()));
    return shown;
}

} // namespace tarvik
