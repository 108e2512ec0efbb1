#pragma once

#include "References.h"

#include <string_view>

namespace tarvik {
class Control;
class Form;
class Runtime;
}

namespace tarvik::script {

class Session;

// What the commands of a user's actions share: finding what they act on and failing the step,
// with the reason, when the user could not act. `verb` names the action in the message
// ("cannot click frm62.runcmd: it is disabled").

Runtime& runtimeOf(Session& session);

// Fails the step when the user could not reach the control or window now, naming why.
void requireReachable(Session& session, const Control& control, std::string_view verb);
void requireReachable(Session& session, const Form& form, std::string_view verb);
// Fails the step when the program refused the action (`done` is false), saying `why`.
void requireDone(bool done, const Control& control, std::string_view verb, std::string_view why);

// Finds the control and checks the user can act on it.
Control& reach(Session& session, const ControlRef& ref, std::string_view verb);

// As reach, for commands that need one kind of control: the kind is checked first.
template <class T>
T& reachAs(Session& session, const ControlRef& ref, std::string_view verb, std::string_view wanted)
{
    T& control = controlAs<T>(findControl(runtimeOf(session), ref), wanted);
    requireReachable(session, control, verb);
    return control;
}

} // namespace tarvik::script
