#pragma once

#include "forms/qt/ControlWidget.h"

#include <QGroupBox>
#include <QLabel>

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
class FrameWidget final : public QGroupBox, public ControlWidget {
public:
    FrameWidget(Frame& frame, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
};

} // namespace tarvik
