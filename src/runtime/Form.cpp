#include "runtime/Form.h"

#include "runtime/Buttons.h"
#include "runtime/Control.h"
#include "runtime/Runtime.h"
#include "runtime/TextBox.h"

#include <algorithm>

namespace tarvik {

Form::Form(Runtime& runtime, std::string name, FormDesign design)
    : runtime_(runtime), name_(std::move(name)), caption_(std::move(design.caption)),
      left_(design.left), top_(design.top), width_(design.width), height_(design.height),
      mdiChild_(design.mdiChild), helpTopic_(design.helpTopic),
      minButton_(design.minButton), maxButton_(design.maxButton), borderStyle_(design.borderStyle)
{
}

Form::~Form() = default;

void Form::show()
{
    if (!loaded_ || runtime_.endRequested()) return;
    runtime_.dispatchQuiet([&] { runtime_.showForm(*this); });
}

bool Form::showModal()
{
    if (runtime_.endRequested()) return false;
    if (!loaded_) return true;
    return runtime_.runModal(*this);
}

void Form::hide()
{
    if (!visible_) return;
    visible_ = false;
    notify(Property::Visible);
    runtime_.dispatchQuiet([&] { runtime_.formHidden(*this); });
}

bool Form::unload() { return runtime_.unloadForm(*this, UnloadReason::Code); }

bool Form::isActive() const { return runtime_.activeForm() == this; }

void Form::notify(Property property)
{
    if (announced_ && loaded_) runtime_.notify(*this, property);
}

void Form::resized()
{
    if (!loaded_ || !visible_) return;
    runtime_.dispatchQuiet([&] { Form_Resize(); });
}

void Form::setCaption(std::string caption)
{
    if (caption == caption_) return;
    caption_ = std::move(caption);
    notify(Property::Caption);
}

void Form::setLeft(float twips)
{
    if (twips == left_) return;
    left_ = twips;
    notify(Property::Geometry);
}

void Form::setTop(float twips)
{
    if (twips == top_) return;
    top_ = twips;
    notify(Property::Geometry);
}

void Form::setWidth(float twips)
{
    if (twips == width_) return;
    width_ = twips;
    notify(Property::Geometry);
    resized();
}

void Form::setHeight(float twips)
{
    if (twips == height_) return;
    height_ = twips;
    notify(Property::Geometry);
    resized();
}

void Form::move(float left, float top)
{
    setLeft(left);
    setTop(top);
}

void Form::setWindowState(WindowState state)
{
    if (state == windowState_) return;
    windowState_ = state;
    notify(Property::WindowState);
    resized();
}

void Form::setEnabled(bool enabled)
{
    if (enabled == enabled_) return;
    enabled_ = enabled;
    notify(Property::Enabled);
}

void Form::zOrder(ZOrder position)
{
    if (loaded_) runtime_.reorder(*this, position);
}

Control* Form::findControl(std::string_view name, int index) const
{
    for (Control* control : controls_)
        if (control->name() == name && control->index() == index) return control;
    return nullptr;
}

std::vector<Control*> Form::tabOrder() const
{
    std::vector<Control*> order;
    for (Control* control : controls_)
        if (control->canFocus() && control->tabStop() && control->canTakeInput()) order.push_back(control);
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->tabIndex() < b->tabIndex();
    });
    return order;
}

void Form::passFocusOn()
{
    Control* focused = activeControl_;
    if (focused == nullptr || !loaded_ || focused->canTakeInput()) return;
    const std::vector<Control*> order = tabOrder();
    if (order.empty()) return;
    const auto next = std::find_if(order.begin(), order.end(),
                                   [&](const Control* c) { return c->tabIndex() > focused->tabIndex(); });
    activeControl_ = next != order.end() ? *next : order.front();
    notify(Property::Focus);
}

CommandButton* Form::buttonWith(bool (CommandButton::*flag)() const) const
{
    for (Control* control : controls_)
        if (control->kind() == ControlKind::CommandButton) {
            auto* button = static_cast<CommandButton*>(control);
            if ((button->*flag)()) return button;
        }
    return nullptr;
}

CommandButton* Form::defaultButton() const { return buttonWith(&CommandButton::isDefault); }

CommandButton* Form::cancelButton() const { return buttonWith(&CommandButton::isCancel); }

CommandButton* Form::enterButton() const
{
    Control* focused = activeControl_ && activeControl_->canTakeInput() ? activeControl_ : nullptr;
    if (focused && focused->kind() == ControlKind::CommandButton) return static_cast<CommandButton*>(focused);
    if (focused && focused->kind() == ControlKind::TextBox && static_cast<TextBox*>(focused)->multiLine()) return nullptr;
    CommandButton* button = defaultButton();
    return button && button->canTakeInput() ? button : nullptr;
}

int Form::adoptControl(Control& control)
{
    controls_.push_back(&control);
    return nextOrder_++;
}

void Form::releaseControl(Control& control)
{
    std::erase(controls_, &control);
    if (activeControl_ == &control) activeControl_ = nullptr;
}

} // namespace tarvik
