#pragma once

#include "qt/ControlWidget.h"

#include <QPixmap>
#include <QWidget>

namespace tarvik {

class Gauge;
class Image;
class Line;
class Shape;

// Shapes, lines and the gauge are painted from the control's state and let the mouse through
// to what lies below; an image shows its picture file and reports clicks.

class ShapeWidget final : public QWidget, public ControlWidget {
public:
    ShapeWidget(Shape& shape, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // A solid rectangle (a square lamp) covers all of its widget: it is marked opaque, so that a
    // change of its colour repaints the shape alone, not what lies beneath it.
    void markOpaque();
};

class LineWidget final : public QWidget, public ControlWidget {
public:
    LineWidget(Line& line, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    void place() override;
    void paintEvent(QPaintEvent* event) override;

private:
    int margin() const;
};

class ImageWidget final : public QWidget, public ControlWidget {
public:
    ImageWidget(Image& image, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    void paintEvent(QPaintEvent* event) override;

private:
    std::string loaded_;
    QPixmap picture_;
};

class GaugeWidget final : public QWidget, public ControlWidget {
public:
    GaugeWidget(Gauge& gauge, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override { update(); }
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tarvik
