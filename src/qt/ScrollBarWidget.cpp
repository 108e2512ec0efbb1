#include "qt/ScrollBarWidget.h"

#include "runtime/ScrollBar.h"
#include "runtime/UserInput.h"

#include <QMouseEvent>

#include <algorithm>

namespace tarvik {

ScrollBarWidget::ScrollBarWidget(ScrollBar& bar, InputBridge& bridge, QWidget* parent) : QScrollBar(parent), ControlWidget(bar, bridge)
{
    watch(*this);
    connect(this, &QScrollBar::valueChanged, this, [this](int shown) {
        const int value = toModel(shown);
        act([value](UserInput& input, Control& control) { input.scrollTo(static_cast<ScrollBar&>(control), value); });
    });
}

int ScrollBarWidget::toModel(int shown) const
{
    const auto& bar = controlAs<ScrollBar>();
    return bar.min() <= bar.max() ? shown : bar.min() + bar.max() - shown;
}

void ScrollBarWidget::refresh()
{
    const auto& bar = controlAs<ScrollBar>();
    setOrientation(bar.orientation() == ScrollBar::Orientation::Horizontal ? Qt::Horizontal : Qt::Vertical);
    setRange(std::min(bar.min(), bar.max()), std::max(bar.min(), bar.max()));
    setSingleStep(bar.smallChange());
    setPageStep(bar.largeChange());
    setValue(toModel(bar.value()));
}

bool ScrollBarWidget::mouse(QWidget&, QMouseEvent& event)
{
    if (event.type() == QEvent::MouseButtonPress) act([](UserInput& input, Control& control) { input.focus(control); });
    return false;
}

} // namespace tarvik
