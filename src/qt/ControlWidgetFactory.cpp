#include "qt/ControlWidgetFactory.h"

#include "qt/ButtonWidgets.h"
#include "qt/CaptionWidgets.h"
#include "qt/GraphicWidgets.h"
#include "qt/ListWidgets.h"
#include "qt/PictureBoxWidget.h"
#include "qt/ScrollBarWidget.h"
#include "qt/TextBoxWidget.h"
#include "runtime/FormRuntime.h"

namespace tarvik {

namespace {

template <class W, class C>
ControlWidget* make(Control& control, InputBridge& bridge, QWidget& parent)
{
    return new W(static_cast<C&>(control), bridge, &parent);
}

ControlWidget* widgetOfKind(Control& control, InputBridge& bridge, QWidget& parent)
{
    switch (control.kind()) {
    case ControlKind::Label: return make<LabelWidget, Label>(control, bridge, parent);
    case ControlKind::TextBox: return make<TextBoxWidget, TextBox>(control, bridge, parent);
    case ControlKind::CommandButton: return make<CommandButtonWidget, CommandButton>(control, bridge, parent);
    case ControlKind::ComboBox: return make<ComboBoxWidget, ComboBox>(control, bridge, parent);
    case ControlKind::ListBox: return make<ListBoxWidget, ListBox>(control, bridge, parent);
    case ControlKind::OptionButton: return make<OptionButtonWidget, OptionButton>(control, bridge, parent);
    case ControlKind::CheckBox: return make<CheckBoxWidget, CheckBox>(control, bridge, parent);
    case ControlKind::Frame: return make<FrameWidget, Frame>(control, bridge, parent);
    case ControlKind::Shape: return make<ShapeWidget, Shape>(control, bridge, parent);
    case ControlKind::Line: return make<LineWidget, Line>(control, bridge, parent);
    case ControlKind::Image: return make<ImageWidget, Image>(control, bridge, parent);
    case ControlKind::PictureBox: return make<PictureBoxWidget, PictureBox>(control, bridge, parent);
    case ControlKind::ScrollBar: return make<ScrollBarWidget, ScrollBar>(control, bridge, parent);
    case ControlKind::Gauge: return make<GaugeWidget, Gauge>(control, bridge, parent);
    case ControlKind::Timer:
    case ControlKind::Menu: break;
    }
    return nullptr;
}

} // namespace

ControlWidget* createControlWidget(Control& control, InputBridge& bridge, QWidget& parent)
{
    ControlWidget* created = widgetOfKind(control, bridge, parent);
    if (!created) return nullptr;
    // The runtime keeps the focus order; Qt only moves the focus where the runtime puts it.
    created->focusTarget().setFocusPolicy(control.canFocus() ? Qt::ClickFocus : Qt::NoFocus);
    if (&created->focusTarget() != &created->widget()) created->widget().setFocusPolicy(Qt::NoFocus);
    created->mirrorAll();
    return created;
}

} // namespace tarvik
