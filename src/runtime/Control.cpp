#include "runtime/Control.h"

#include "runtime/Form.h"
#include "runtime/Runtime.h"

#include <cmath>
#include <stdexcept>

namespace tarvik {

Control::Control(Form* form, std::string name, const Design& design, ControlKind kind)
    : form_(form ? *form : throw std::invalid_argument("control " + name + " needs a form")),
      name_(std::move(name)), kind_(kind), container_(design.container), left_(design.left),
      top_(design.top), width_(design.width), height_(design.height), visible_(design.visible),
      enabled_(design.enabled), tabIndex_(design.tabIndex)
{
    if (container_ && &container_->form() != form)
        throw std::invalid_argument("control " + name_ + " is placed in a container of another form");
    order_ = form_.adoptControl(*this);
    if (tabIndex_ < 0) tabIndex_ = order_;
}

Control::~Control() { form_.releaseControl(*this); }

std::string Control::qualifiedName() const
{
    if (index_ < 0) return name_;
    return name_ + "(" + std::to_string(index_) + ")";
}

Runtime& Control::runtime() const { return form_.runtime(); }

void Control::changed(Property property)
{
    if (form_.announced_ && form_.loaded_) runtime().notify(*this, property);
}

void Control::setLeft(float twips) { assign(left_, twips, Property::Geometry); }
void Control::setTop(float twips) { assign(top_, twips, Property::Geometry); }
void Control::setWidth(float twips) { assign(width_, twips, Property::Geometry); }
void Control::setHeight(float twips) { assign(height_, twips, Property::Geometry); }

void Control::move(float left, float top)
{
    setLeft(left);
    setTop(top);
}

void Control::move(float left, float top, float width, float height)
{
    move(left, top);
    setWidth(width);
    setHeight(height);
}

void Control::setVisible(bool visible)
{
    if (assign(visible_, visible, Property::Visible) && !visible) form_.passFocusOn();
}

void Control::setEnabled(bool enabled)
{
    if (!assign(enabled_, enabled, Property::Enabled)) return;
    enabledChanged();
    if (!enabled) form_.passFocusOn();
}

bool Control::effectivelyVisible() const
{
    for (const Control* c = this; c; c = c->container_)
        if (!c->visible_) return false;
    return form_.visible();
}

bool Control::effectivelyEnabled() const
{
    for (const Control* c = this; c; c = c->container_)
        if (!c->enabled_) return false;
    return form_.enabled();
}

bool Control::canTakeInput() const
{
    return form_.isLoaded() && effectivelyVisible() && effectivelyEnabled();
}

void Control::setFontName(std::string name) { assign(fontName_, std::move(name), Property::Font); }

bool Control::setFontSize(float points)
{
    if (!(points > 0) || !std::isfinite(points)) return false;
    assign(fontSize_, points, Property::Font);
    return true;
}

void Control::setTabIndex(int tabIndex) { assign(tabIndex_, tabIndex, Property::TabOrder); }

bool Control::setFocus()
{
    Runtime& rt = runtime();
    if (!canFocus() || !canTakeInput() || !rt.acceptsInput(form_)) return false;
    rt.dispatchQuiet([&] {
        rt.activate(&form_);
        rt.moveFocus(*this);
    });
    return true;
}

bool Control::setFocusWithinForm()
{
    if (form_.isActive()) return setFocus();
    if (!canFocus() || !canTakeInput()) return false;
    // A window in the background keeps its focus for its next activation; nothing is raised.
    form_.activeControl_ = this;
    form_.notify(Property::Focus);
    return true;
}

bool Control::hasFocus() const { return form_.activeControl() == this && form_.isActive(); }

} // namespace tarvik
