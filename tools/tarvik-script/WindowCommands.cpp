#include "Commands.h"
#include "Session.h"
#include "Tokens.h"
#include "UserReach.h"

#include "runtime/FormRuntime.h"

namespace tarvik::script {

namespace {

// A change of window state by the user (minimise, restore).
Step::Action windowState(Words& words, WindowState state, std::string_view verb)
{
    const std::string form = parseFormName(words.word("a window"));
    words.end();
    return [form, state, verb](Session& session) {
        Form& target = findForm(runtimeOf(session), form);
        requireReachable(session, target, verb);
        if (!runtimeOf(session).input().setWindowState(target, state))
            throw StepFailure("cannot " + std::string(verb) + " window " + form);
    };
}

} // namespace

Step::Action parseClose(Words& words)
{
    const std::string form = parseFormName(words.word("a window"));
    words.end();
    return [form](Session& session) {
        Form& target = findForm(runtimeOf(session), form);
        requireReachable(session, target, "close");
        // The window may refuse to close (QueryUnload); that is its behaviour, not a failure.
        runtimeOf(session).input().close(target);
    };
}

Step::Action parseResize(Words& words)
{
    const std::string form = parseFormName(words.word("a window"));
    const double width = words.number("the width in twips");
    const double height = words.number("the height in twips");
    words.end();
    if (width <= 0 || height <= 0) throw SyntaxError("a window's width and height must be above 0");
    return [=](Session& session) {
        Form& target = findForm(runtimeOf(session), form);
        requireReachable(session, target, "resize");
        if (!runtimeOf(session).input().resizeForm(target, static_cast<float>(width), static_cast<float>(height)))
            throw StepFailure("cannot resize window " + form);
    };
}

Step::Action parseMinimize(Words& words) { return windowState(words, WindowState::Minimized, "minimise"); }

Step::Action parseRestore(Words& words) { return windowState(words, WindowState::Normal, "restore"); }

} // namespace tarvik::script
