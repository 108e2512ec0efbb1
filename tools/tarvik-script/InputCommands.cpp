#include "Commands.h"
#include "Session.h"
#include "Tokens.h"
#include "UserReach.h"

#include "runtime/FormRuntime.h"

#include <optional>

namespace tarvik::script {

namespace {

void requireFocusable(const Control& control)
{
    if (!control.canFocus())
        throw StepFailure(qualifiedName(control) + " is a " + kindName(control.kind()) + ", which cannot take the focus");
}

// A key as `key` names it: a key name, or a single character (quoted for a blank or '#').
struct KeyChoice {
    std::optional<Key> key;
    char character = 0;
};

KeyChoice keyChoice(Words& words)
{
    const std::string word = words.wordOrText("a key");
    if (auto key = keyByName(word)) return {key, 0};
    if (word.size() == 1) return {std::nullopt, word[0]};
    throw SyntaxError("expected a key: a character, or Enter Tab Backspace Delete Up Down Left Right Home End "
                      "PageUp PageDown Escape Space F1; got " + word);
}

} // namespace

Step::Action parseMenu(Words& words)
{
    const Segment ref = parseMenuRef(words.word("a menu item"));
    words.end();
    return [ref](Session& session) {
        MenuItem& item = findMenuItem(runtimeOf(session), ref);
        requireReachable(session, item, "choose menu item");
        requireDone(runtimeOf(session).input().choose(item), item, "choose menu item", "a menu above it is disabled or hidden");
    };
}

Step::Action parseType(Words& words)
{
    const ControlRef ref = parseControlRef(words.word("a control"));
    const std::string text = words.text("the text to type");
    words.end();
    return [ref, text](Session& session) {
        Control& control = reach(session, ref, "type into");
        requireFocusable(control);
        requireDone(runtimeOf(session).input().type(control, text), control, "type into", "it refused the focus");
    };
}

Step::Action parseKey(Words& words)
{
    const ControlRef ref = parseControlRef(words.word("a control"));
    const KeyChoice choice = keyChoice(words);
    words.end();
    return [ref, choice](Session& session) {
        Control& control = reach(session, ref, "press a key on");
        requireFocusable(control);
        UserInput& input = runtimeOf(session).input();
        const bool done = choice.key ? input.press(control, *choice.key) : input.type(control, std::string(1, choice.character));
        requireDone(done, control, "press a key on", "it refused the focus");
    };
}

Step::Action parseSet(Words& words)
{
    const ControlRef ref = parseControlRef(words.word("a control"));
    const std::string text = words.text("the text");
    words.end();
    return [ref, text](Session& session) {
        Control& control = findControl(runtimeOf(session), ref);
        auto* box = dynamic_cast<TextBox*>(&control);
        auto* combo = box != nullptr ? nullptr : &controlAs<ComboBox>(control, "a text box or combo box");
        requireReachable(session, control, "set the text of");
        UserInput& input = runtimeOf(session).input();
        if (box != nullptr)
            requireDone(input.paste(*box, text), control, "set the text of", "it refused the focus");
        else
            requireDone(input.paste(*combo, text), control, "set the text of", "it is a drop-down list: use select");
    };
}

Step::Action parseFocus(Words& words)
{
    const ControlRef ref = parseControlRef(words.word("a control"));
    words.end();
    return [ref](Session& session) {
        Control& control = reach(session, ref, "focus");
        requireFocusable(control);
        requireDone(runtimeOf(session).input().focus(control), control, "focus", "it refused the focus");
    };
}

Step::Action clickControl(ControlRef ref)
{
    return [ref](Session& session) {
        Control& control = reach(session, ref, "click");
        requireDone(runtimeOf(session).input().click(control), control, "click", "the program refused the click");
    };
}

Step::Action parseClick(Words& words)
{
    const auto segments = parseSegments(words.word("a control or window"));
    words.end();
    if (segments.size() != 1 || segments[0].index >= 0) return clickControl(controlRef(segments));
    return [form = segments[0].name](Session& session) {
        Form& target = findForm(runtimeOf(session), form);
        requireReachable(session, target, "click");
        if (!runtimeOf(session).input().clickForm(target)) throw StepFailure("cannot click window " + form);
    };
}

Step::Action parseDoubleClick(Words& words)
{
    const ControlRef ref = parseControlRef(words.word("a control"));
    words.end();
    return [ref](Session& session) {
        Control& control = reach(session, ref, "double-click");
        requireDone(runtimeOf(session).input().doubleClick(control), control, "double-click", "the program refused it");
    };
}

Step::Action parseSelect(Words& words)
{
    const ControlRef ref = parseControlRef(words.word("a list or combo box"));
    const long long row = words.integer("a row");
    words.end();
    return [ref, row](Session& session) {
        auto& list = reachAs<ListControl>(session, ref, "select a row of", "a list or combo box");
        if (row < 0 || row >= list.listCount())
            throw StepFailure(ref.text() + " has no row " + std::to_string(row) + " (it has " +
                              std::to_string(list.listCount()) + " rows, counted from 0)");
        requireDone(runtimeOf(session).input().select(list, static_cast<int>(row)), list, "select a row of",
                    "the program refused it");
    };
}

} // namespace tarvik::script
