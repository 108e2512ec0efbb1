#include "forms/qt/PictureBoxWidget.h"

#include "forms/qt/KeyMapping.h"
#include "forms/qt/QtUnits.h"
#include "forms/runtime/PictureBox.h"
#include "forms/runtime/UserInput.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace tarvik {

namespace {

// Maps scale coordinates to the pixels of a widget of the given size.
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

} // namespace

PictureBoxWidget::PictureBoxWidget(PictureBox& box, InputBridge& bridge, QWidget* parent) : QWidget(parent), ControlWidget(box, bridge)
{
    setMouseTracking(true);
    watch(*this);
}

void PictureBoxWidget::refresh() { update(); }

void PictureBoxWidget::paintEvent(QPaintEvent*)
{
    if (!control()) return;
    const auto& box = controlAs<PictureBox>();
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(box.backColor()));
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF size = this->size();
    for (const DrawOp& op : box.displayList()) paintOp(painter, op, size);
    // The box's border, drawn over the picture's edge.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(palette().color(QPalette::Mid));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

QPointF PictureBoxWidget::toScale(QPointF pixel) const
{
    const auto& box = controlAs<PictureBox>();
    const ScaleRect scale = box.scaleRect();
    const double x = width() > 0 ? scale.left + pixel.x() / width() * scale.width : scale.left;
    const double y = height() > 0 ? scale.top + pixel.y() / height() * scale.height : scale.top;
    return {x, y};
}

bool PictureBoxWidget::mouse(QWidget&, QMouseEvent& event)
{
    const QPointF at = toScale(event.position());
    const auto x = static_cast<float>(at.x());
    const auto y = static_cast<float>(at.y());
    const int shift = shiftStateOf(event.modifiers());
    const int button = mouseButtonsOf(event.button());
    switch (event.type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        act([&](UserInput& input, Control& control) { input.mouseDown(static_cast<PictureBox&>(control), x, y, button, shift); });
        return true;
    case QEvent::MouseMove: {
        const int held = mouseButtonsOf(event.buttons());
        act([&](UserInput& input, Control& control) { input.mouseMove(static_cast<PictureBox&>(control), x, y, held, shift); });
        return true;
    }
    case QEvent::MouseButtonRelease: {
        const bool inside = rect().contains(event.position().toPoint());
        act([&](UserInput& input, Control& control) {
            // MouseUp may unload the form; the click follows only while the control is mirrored.
            if (input.mouseUp(static_cast<PictureBox&>(control), x, y, button, shift) && inside &&
                button == LeftButton && this->control())
                input.click(*this->control());
        });
        return true;
    }
    default: return false;
    }
}

} // namespace tarvik
