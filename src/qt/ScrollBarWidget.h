#pragma once

#include "qt/ControlWidget.h"

#include <QScrollBar>

namespace tarvik {

class ScrollBar;

// A scroll bar or spinner. The runtime allows Min above Max; Qt does not, so such a bar is shown
// with its range turned round (the Qt value then runs Max + Min - Value).
class ScrollBarWidget final : public QScrollBar, public ControlWidget {
public:
    ScrollBarWidget(ScrollBar& bar, InputBridge& bridge, QWidget* parent);
    QWidget& widget() override { return *this; }

protected:
    void refresh() override;
    bool mouse(QWidget& target, QMouseEvent& event) override;

private:
    int toModel(int shown) const;
};

} // namespace tarvik
