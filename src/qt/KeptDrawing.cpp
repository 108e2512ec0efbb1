#include "qt/KeptDrawing.h"

#include "qt/QtUnits.h"
#include "runtime/PictureBox.h"

#include <QPainter>

#include <cmath>

namespace tarvik {

namespace {

// Maps scale coordinates to the pixels of a box of the given size.
QPointF scaleToPixel(const ScaleRect& scale, double x, double y, QSizeF size)
{
    const double px = scale.width == 0 ? 0 : (x - scale.left) / scale.width * size.width();
    const double py = scale.height == 0 ? 0 : (y - scale.top) / scale.height * size.height();
    return {px, py};
}

void paintOp(QPainter& painter, const DrawOp& op, QSizeF size)
{
    QPen pen(toQColor(op.color));
    pen.setWidth(op.drawWidth);
    painter.setPen(pen);
    painter.setBrush(op.filled ? QBrush(toQColor(op.fillColor)) : Qt::NoBrush);
    const QPointF first = scaleToPixel(op.scale, op.x1, op.y1, size);
    switch (op.kind) {
    case DrawOp::Kind::Line: painter.drawLine(first, scaleToPixel(op.scale, op.x2, op.y2, size)); break;
    case DrawOp::Kind::Box: painter.drawRect(QRectF(first, scaleToPixel(op.scale, op.x2, op.y2, size)).normalized()); break;
    case DrawOp::Kind::Circle: {
        // The radius is in horizontal units; the circle stays round on screen.
        const double radius = op.scale.width == 0 ? 0 : std::abs(op.x2 / op.scale.width * size.width());
        painter.drawEllipse(first, radius, radius);
        break;
    }
    case DrawOp::Kind::Point: painter.drawPoint(first); break;
    }
}

// The image's size in device pixels for a box of `size` logical pixels.
QSize devicePixels(QSize size, qreal pixelRatio)
{
    const auto scaled = [pixelRatio](int length) { return static_cast<int>(std::ceil(length * pixelRatio)); };
    return {scaled(size.width()), scaled(size.height())};
}

} // namespace

const QImage& KeptDrawing::follow(const PictureBox& box, QSize size, qreal pixelRatio)
{
    lastPainted_ = 0;
    if (size.isEmpty()) {
        image_ = QImage();
        return image_;
    }
    const QSize pixels = devicePixels(size, pixelRatio);
    if (!current(box, pixels, pixelRatio)) startAfresh(box, pixels, pixelRatio);
    const auto& drawing = box.displayList();
    if (painted_ == drawing.size()) return image_;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::Antialiasing);
    for (auto op = drawing.begin() + static_cast<std::ptrdiff_t>(painted_); op != drawing.end(); ++op)
        paintOp(painter, *op, size);
    lastPainted_ = drawing.size() - painted_;
    painted_ = drawing.size();
    return image_;
}

// The image still shows the start of the display list: no clear since, the same back colour
// and size, and no fewer items than it holds.
bool KeptDrawing::current(const PictureBox& box, QSize pixels, qreal pixelRatio) const
{
    return !image_.isNull() && image_.size() == pixels && image_.devicePixelRatio() == pixelRatio &&
           box.clearCount() == clears_ && toQColor(box.backColor()) == backColor_ &&
           box.displayList().size() >= painted_;
}

void KeptDrawing::startAfresh(const PictureBox& box, QSize pixels, qreal pixelRatio)
{
    image_ = QImage(pixels, QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(pixelRatio);
    backColor_ = toQColor(box.backColor());
    image_.fill(backColor_);
    clears_ = box.clearCount();
    painted_ = 0;
}

} // namespace tarvik
