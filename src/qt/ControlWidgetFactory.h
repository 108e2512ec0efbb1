#pragma once

class QWidget;

namespace tarvik {

class Control;
class ControlWidget;
class InputBridge;

// Creates the widget of a control inside `parent` (its container's widget or the form's surface)
// and mirrors the control into it. Timers and menu items have no widget: nullptr.
ControlWidget* createControlWidget(Control& control, InputBridge& bridge, QWidget& parent);

} // namespace tarvik
