#include "qt/Renderer.h"

#include "qt/FormFrame.h"
#include "qt/FormView.h"
#include "qt/InputBridge.h"
#include "qt/MainWindow.h"
#include "qt/MenuBarMirror.h"
#include "runtime/Form.h"
#include "runtime/MenuItem.h"
#include "runtime/Runtime.h"

#include <QApplication>

#include <utility>

namespace tarvik {

namespace {

FormView::Activation activation(bool allowed)
{
    return allowed ? FormView::Activation::Allowed : FormView::Activation::InsideItsWindow;
}

} // namespace

Renderer::Renderer(Runtime& runtime, InputBridge& bridge, MainWindow& main) : runtime_(runtime), bridge_(bridge), main_(main)
{
    runtime_.addObserver(*this);
    bridge_.setAfterInput([this] { showActive(); });
    for (Form* form : runtime_.forms()) formCreated(*form);
    followMainForm();
}

Renderer::~Renderer() = default;

FormView* Renderer::viewOf(const Form& form) const
{
    auto found = views_.find(&form);
    return found == views_.end() ? nullptr : found->second.get();
}

ControlWidget* Renderer::widgetOf(const Control& control) const
{
    FormView* view = viewOf(control.form());
    return view ? view->widgetOf(control) : nullptr;
}

QWidget* Renderer::windowOf(const Form& form) const
{
    FormView* view = viewOf(form);
    return view ? view->window() : nullptr;
}

void Renderer::followMainForm()
{
    const Form* main = runtime_.mainForm();
    if (main == boundMain_) return;
    const Form* previous = boundMain_;
    boundMain_ = main;
    if (previous)
        if (FormView* view = viewOf(*previous)) view->refreshFrame();
    if (main)
        if (FormView* view = viewOf(*main)) view->refreshFrame();
}

void Renderer::showActive()
{
    // The user's input moves the keyboard between the program's windows while one of them has
    // it; while another window has it (another program's, the help), it stays there: a run that
    // a click started may end long after the user went elsewhere.
    const bool programHasKeyboard = dynamic_cast<FrameLink*>(QApplication::activeWindow()) != nullptr;
    const bool handedBack = std::exchange(keyboardHandedBack_, false);
    if (Form* active = runtime_.activeForm())
        if (FormView* view = viewOf(*active)) view->showActive(activation(programHasKeyboard || handedBack));
}

bool Renderer::takesHandedBackKeyboard(const Form& form, Property property)
{
    const bool placesKeyboard = property == Property::Active || property == Property::Focus;
    if (!keyboardHandedBack_ || !placesKeyboard || runtime_.activeForm() != &form) return false;
    keyboardHandedBack_ = false;
    return true;
}

void Renderer::noteClosing(const FormView& view) { keyboardHandedBack_ = keyboardHandedBack_ || view.hasKeyboard(); }

void Renderer::formCreated(Form& form)
{
    if (!views_.contains(&form)) views_.emplace(&form, std::make_unique<FormView>(form, bridge_, main_));
}

void Renderer::formLoaded(Form&) { followMainForm(); }

void Renderer::formUnloaded(Form& form)
{
    if (boundMain_ == &form) boundMain_ = nullptr;
    if (FormView* view = viewOf(form)) noteClosing(*view);
    views_.erase(&form);
}

void Renderer::formChanged(Form& form, Property property)
{
    followMainForm();
    FormView* view = viewOf(form);
    if (!view) return;
    if (property == Property::Visible && !form.visible()) noteClosing(*view);
    view->formChanged(property, activation(takesHandedBackKeyboard(form, property)));
}

void Renderer::controlAdded(Control& control)
{
    if (control.kind() == ControlKind::Menu) {
        if (&control.form() == boundMain_) main_.menus().build(&control.form());
        return;
    }
    if (FormView* view = viewOf(control.form())) view->addControl(control);
}

void Renderer::controlChanged(Control& control, Property property)
{
    switch (control.kind()) {
    case ControlKind::Timer: return;
    case ControlKind::Menu:
        if (&control.form() == boundMain_) main_.menus().changed(static_cast<MenuItem&>(control));
        return;
    default:
        if (FormView* view = viewOf(control.form())) view->controlChanged(control, property);
        return;
    }
}

void Renderer::inputHoldChanged()
{
    if (boundMain_) main_.menus().reachChanged();
}

void Renderer::programEnded()
{
    views_.clear();
    boundMain_ = nullptr;
    if (programEnded_) programEnded_();
}

} // namespace tarvik
