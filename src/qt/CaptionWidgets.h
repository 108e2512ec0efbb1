#pragma once

#include "qt/ControlWidget.h"

#include <QLabel>
#include <QWidget>

namespace tarvik {

class Frame;
class Label;

// A label wraps its caption at word breaks; a caption its label cannot hold is cut short (one line
// high) and shown whole as the tooltip.
class LabelWidget final : public QLabel, public ControlWidget {
public:
    LabelWidget(Label& label, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }
    int captionOverflow() const override;

protected:
    void refresh() override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void fitCaption();

    QString whole_;
};

// A frame holds the widgets of the controls it contains, placed relative to its own corner.
// Its etched border runs through the middle of the caption's line and the caption stands on
// it, so that contained controls placed just below the caption stay clear of the border.
class FrameWidget final : public QWidget, public ControlWidget {
public:
    FrameWidget(Frame& frame, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }
    int captionOverflow() const override;

protected:
    void refresh() override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
};

} // namespace tarvik
