#include "qt/PictureBoxWidget.h"

#include "qt/KeyMapping.h"
#include "runtime/PictureBox.h"
#include "runtime/UserInput.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarvik {

PictureBoxWidget::PictureBoxWidget(PictureBox& box, InputBridge& bridge, QWidget* parent) : QWidget(parent), ControlWidget(box, bridge)
{
    setMouseTracking(true);
    watch(*this);
}

void PictureBoxWidget::refresh() { update(); }

// A paint costs what was drawn since the last one and a copy of the kept image (clipped to the
// part exposed), however much the box has drawn before.
void PictureBoxWidget::paintEvent(QPaintEvent*)
{
    if (!control()) return;
    const QImage& picture = drawing_.follow(controlAs<PictureBox>(), size(), devicePixelRatioF());
    QPainter painter(this);
    if (!picture.isNull()) painter.drawImage(QPoint(0, 0), picture);
    // The box's border, drawn over the picture's edge.
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
