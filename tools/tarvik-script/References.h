#pragma once

#include "PropertyText.h"
#include "Step.h"

#include "runtime/Control.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvik {
class Form;
class MenuItem;
class Runtime;
}

namespace tarvik::script {

// One dotted part of a reference: `bidlist` or `bidmu(2)`.
struct Segment {
    std::string name;
    int index = -1;
    std::string text() const;
};

// "frm62.bidlist(0).List(3)" split into its parts; throws SyntaxError.
std::vector<Segment> parseSegments(std::string_view word);

// `form.control` or `form.control(index)`.
struct ControlRef {
    std::string form;
    Segment control;
    std::string text() const { return form + "." + control.text(); }
};
ControlRef controlRef(const std::vector<Segment>& segments);
ControlRef parseControlRef(std::string_view word);
std::string parseFormName(std::string_view word);
Segment parseMenuRef(std::string_view word);

// Finding what a reference names among the loaded windows. Each throws StepFailure with a
// plain explanation (the window is not open, the control does not exist, ...).
Form& findForm(const Runtime& runtime, std::string_view name);
Control& findControl(const Runtime& runtime, const ControlRef& ref);
MenuItem& findMenuItem(const Runtime& runtime, const Segment& ref);

// "frm62.bidlist" or "mditarvik.bidmu(2)".
std::string qualifiedName(const Control& control);

// Why the user cannot act on the window or control now ("it is disabled", "the modal window
// ErrorWindow is open", ...); empty when they can.
std::string whyUnreachable(const Runtime& runtime, const Form& form);
std::string whyUnreachable(const Runtime& runtime, const Control& control);

// The control as kind T, or StepFailure naming what it is instead.
template <class T>
T& controlAs(Control& control, std::string_view wanted)
{
    if (auto* typed = dynamic_cast<T*>(&control)) return *typed;
    throw StepFailure(qualifiedName(control) + " is a " + kindName(control.kind()) + ", not " + std::string(wanted));
}

} // namespace tarvik::script
