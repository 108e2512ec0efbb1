#pragma once

#include "qt/ControlWidget.h"
#include "qt/KeptDrawing.h"

#include <QPointF>
#include <QWidget>

namespace tarvik {

class PictureBox;

// A picture box: shows its display list (each drawing in the scale it was drawn in) from a kept
// image, to which a paint adds only what was drawn since the last one, and reports the mouse in
// its current scale units. It also holds the widgets of the controls inside.
class PictureBoxWidget final : public QWidget, public ControlWidget {
public:
    PictureBoxWidget(PictureBox& box, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    bool mouse(QWidget& target, QMouseEvent& event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QPointF toScale(QPointF pixel) const;

    KeptDrawing drawing_;
};

} // namespace tarvik
