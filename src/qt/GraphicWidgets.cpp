#include "qt/GraphicWidgets.h"

#include "qt/QtUnits.h"
#include "runtime/Runtime.h"
#include "runtime/StaticControls.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>

namespace tarvik {

namespace {

// Fill styles 2..7: horizontal, vertical, upward diagonal, downward diagonal, cross, diagonal cross.
constexpr std::array<Qt::BrushStyle, 6> kHatches{Qt::HorPattern,   Qt::VerPattern,   Qt::BDiagPattern,
                                                 Qt::FDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};

QBrush fillOf(const Shape& shape)
{
    if (shape.fillStyle() == Shape::TransparentFill) return Qt::NoBrush;
    const QColor color = toQColor(shape.fillColor());
    if (shape.fillStyle() == Shape::SolidFill) return QBrush(color);
    return QBrush(color, kHatches[static_cast<std::size_t>(shape.fillStyle() - 2)]);
}

QRectF squared(QRectF rect)
{
    const double side = std::min(rect.width(), rect.height());
    return QRectF(rect.center().x() - side / 2, rect.center().y() - side / 2, side, side);
}

void letMouseThrough(QWidget& widget) { widget.setAttribute(Qt::WA_TransparentForMouseEvents); }

} // namespace

ShapeWidget::ShapeWidget(Shape& shape, InputBridge& bridge, QWidget* parent) : QWidget(parent), ControlWidget(shape, bridge)
{
    letMouseThrough(*this);
}

void ShapeWidget::refresh()
{
    markOpaque();
    update();
}

void ShapeWidget::resizeEvent(QResizeEvent*)
{
    if (control()) markOpaque();
}

void ShapeWidget::markOpaque()
{
    const auto& shape = controlAs<Shape>();
    const bool wholeWidget =
        shape.shape() == Shape::Kind::Rectangle || (shape.shape() == Shape::Kind::Square && width() == height());
    setAttribute(Qt::WA_OpaquePaintEvent, wholeWidget && shape.fillStyle() == Shape::SolidFill);
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    if (!control()) return;
    const auto& shape = controlAs<Shape>();
    QPainter painter(this);
    // An opaque shape paints every pixel: the fill first, the border over its edge.
    if (testAttribute(Qt::WA_OpaquePaintEvent)) painter.fillRect(rect(), toQColor(shape.fillColor()));
    painter.setRenderHint(QPainter::Antialiasing);
    QPen pen(toQColor(shape.borderColor()));
    pen.setWidth(shape.borderWidth());
    painter.setPen(pen);
    painter.setBrush(fillOf(shape));
    const double inset = shape.borderWidth() / 2.0;
    QRectF area = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    const double corner = std::min(area.width(), area.height()) / 6;
    switch (shape.shape()) {
    case Shape::Kind::Rectangle: painter.drawRect(area); break;
    case Shape::Kind::Square: painter.drawRect(squared(area)); break;
    case Shape::Kind::Oval: painter.drawEllipse(area); break;
    case Shape::Kind::Circle: painter.drawEllipse(squared(area)); break;
    case Shape::Kind::RoundedRectangle: painter.drawRoundedRect(area, corner, corner); break;
    case Shape::Kind::RoundedSquare: painter.drawRoundedRect(squared(area), corner, corner); break;
    }
}

LineWidget::LineWidget(Line& line, InputBridge& bridge, QWidget* parent) : QWidget(parent), ControlWidget(line, bridge)
{
    letMouseThrough(*this);
}

int LineWidget::margin() const { return controlAs<Line>().borderWidth(); }

void LineWidget::place()
{
    const auto& line = controlAs<Line>();
    const int left = toPixels(std::min(line.x1(), line.x2()));
    const int top = toPixels(std::min(line.y1(), line.y2()));
    const int right = toPixels(std::max(line.x1(), line.x2()));
    const int bottom = toPixels(std::max(line.y1(), line.y2()));
    setGeometry(QRect(QPoint(left, top), QPoint(right, bottom)).adjusted(-margin(), -margin(), margin(), margin()));
}

void LineWidget::refresh()
{
    place();
    update();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    if (!control()) return;
    const auto& line = controlAs<Line>();
    QPainter painter(this);
    QPen pen(toQColor(line.borderColor()));
    pen.setWidth(line.borderWidth());
    painter.setPen(pen);
    const QPoint origin = pos();
    painter.drawLine(QPoint(toPixels(line.x1()), toPixels(line.y1())) - origin,
                     QPoint(toPixels(line.x2()), toPixels(line.y2())) - origin);
}

ImageWidget::ImageWidget(Image& image, InputBridge& bridge, QWidget* parent) : QWidget(parent), ControlWidget(image, bridge)
{
    watch(*this);
}

void ImageWidget::refresh()
{
    const auto& image = controlAs<Image>();
    if (image.picture() != loaded_) {
        loaded_ = image.picture();
        // Pictures are files; a relative name is looked up in the program's folder.
        std::filesystem::path path(loaded_);
        if (path.is_relative()) path = image.form().runtime().programFolder() / path;
        picture_ = loaded_.empty() ? QPixmap() : QPixmap(toQString(path.string()));
    }
    update();
}

void ImageWidget::paintEvent(QPaintEvent*)
{
    if (!control() || picture_.isNull()) return;
    QPainter painter(this);
    if (controlAs<Image>().stretch())
        painter.drawPixmap(rect(), picture_);
    else
        painter.drawPixmap(0, 0, picture_);
}

GaugeWidget::GaugeWidget(Gauge& gauge, InputBridge& bridge, QWidget* parent) : QWidget(parent), ControlWidget(gauge, bridge)
{
    letMouseThrough(*this);
}

void GaugeWidget::paintEvent(QPaintEvent*)
{
    if (!control()) return;
    // A dial: a half circle from Min on the left to Max (full scale) on the right, a tick every
    // tenth of the scale and a needle from the centre of the base line.
    constexpr double kPi = 3.14159265358979323846;
    constexpr int kTicks = 10;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    const double radius = std::max(1.0, std::min(area.width() / 2, area.height()));
    const QPointF centre(area.center().x(), area.top() + radius);
    const QRectF circle(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    painter.setPen(QPen(palette().color(QPalette::Mid), 1));
    painter.setBrush(palette().color(QPalette::Base));
    painter.drawChord(circle, 0, 180 * 16);
    const auto pointAt = [&](double fraction, double length) {
        const double angle = kPi * (1.0 - fraction);
        return QPointF(centre.x() + length * std::cos(angle), centre.y() - length * std::sin(angle));
    };
    for (int tick = 0; tick <= kTicks; ++tick) {
        const double fraction = static_cast<double>(tick) / kTicks;
        painter.drawLine(pointAt(fraction, radius * 0.85), pointAt(fraction, radius));
    }
    painter.setPen(QPen(palette().color(QPalette::Highlight), std::max(2.0, radius / 25)));
    painter.drawLine(centre, pointAt(controlAs<Gauge>().fraction(), radius * 0.8));
}

} // namespace tarvik
