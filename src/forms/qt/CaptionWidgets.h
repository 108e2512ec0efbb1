#pragma once

#include "forms/qt/ControlWidget.h"

#include <QLabel>
#include <QWidget>

namespace tarvik {

class Frame;
class Label;

class LabelWidget final : public QLabel, public ControlWidget {
public:
    LabelWidget(Label& label, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
};

// A frame holds the widgets of the controls it contains, placed relative to its own corner.
// Its etched border runs through the middle of the caption's line and the caption stands on
// it, so that contained controls placed just below the caption stay clear of the border.
class FrameWidget final : public QWidget, public ControlWidget {
public:
    FrameWidget(Frame& frame, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

} // namespace tarvik
