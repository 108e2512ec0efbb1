#include "UserReach.h"

#include "Session.h"

#include "runtime/FormRuntime.h"

namespace tarvik::script {

Runtime& runtimeOf(Session& session) { return session.program().runtime(); }

void requireReachable(Session& session, const Control& control, std::string_view verb)
{
    if (std::string why = whyUnreachable(runtimeOf(session), control); !why.empty())
        throw StepFailure("cannot " + std::string(verb) + " " + qualifiedName(control) + ": " + why);
}

void requireReachable(Session& session, const Form& form, std::string_view verb)
{
    if (std::string why = whyUnreachable(runtimeOf(session), form); !why.empty())
        throw StepFailure("cannot " + std::string(verb) + " window " + form.name() + ": " + why);
}

void requireDone(bool done, const Control& control, std::string_view verb, std::string_view why)
{
    if (!done) throw StepFailure("cannot " + std::string(verb) + " " + qualifiedName(control) + ": " + std::string(why));
}

Control& reach(Session& session, const ControlRef& ref, std::string_view verb)
{
    Control& control = findControl(runtimeOf(session), ref);
    requireReachable(session, control, verb);
    return control;
}

} // namespace tarvik::script
