// The expectations on what the headless host recorded as shown: modal windows, message boxes
// and beeps, each consumed from the instance's cursor on.

#include "Commands.h"
#include "Comparison.h"
#include "Listing.h"
#include "Session.h"
#include "Tokens.h"

#include "runtime/HeadlessHost.h"
#include "runtime/MsgBox.h"

#include <functional>
#include <optional>

namespace tarvik::script {

namespace {

using Shown = HeadlessHost::Shown;

// The host's record of one kind from the cursor on.
std::string recordsOf(const Instance& instance, std::size_t cursor, Shown::Kind kind, std::string_view none)
{
    return listed(instance.program->host().shown(), cursor, [kind](const Shown& shown) {
        if (shown.kind != kind) return std::string();
        return kind == Shown::Kind::Modal ? shown.form + " " + quotedText(shown.text) : quotedText(shown.text);
    }, none);
}

// Searches forward from the cursor for a record of `kind` that fits; a match consumes it and
// everything before it.
bool consume(Instance& instance, std::size_t& cursor, Shown::Kind kind, const std::function<bool(const Shown&)>& fits)
{
    const auto& shown = instance.program->host().shown();
    for (std::size_t i = cursor; i < shown.size(); ++i)
        if (shown[i].kind == kind && fits(shown[i])) {
            cursor = i + 1;
            return true;
        }
    return false;
}

// `expect modals none` and `expect msgboxes none`.
Step::Action expectNoRecords(Words& words, Shown::Kind kind)
{
    if (!words.accept("none")) throw SyntaxError("expected none");
    words.end();
    return [kind](Session& session) {
        Instance& instance = session.instance();
        std::size_t& cursor = kind == Shown::Kind::Modal ? instance.modalCursor : instance.msgboxCursor;
        const std::string got = recordsOf(instance, cursor, kind, "");
        const std::string what = kind == Shown::Kind::Modal ? "modals" : "msgboxes";
        session.check(got.empty(), what + " none", got);
    };
}

// A message box's buttons by their captions, as scripts name the sets: OK, OKCancel,
// AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel.
std::string buttonSetName(int buttons)
{
    std::string name;
    for (int answer : msgbox::answersOf(buttons)) name += msgbox::answerName(answer);
    return name;
}

std::string buttonSet(Words& words)
{
    const std::string word = words.word("the buttons");
    for (int buttons = msgbox::OkOnly; buttons <= msgbox::RetryCancel; ++buttons)
        if (buttonSetName(buttons) == word) return word;
    throw SyntaxError("expected the buttons (OK OKCancel AbortRetryIgnore YesNoCancel YesNo RetryCancel), got " + word);
}

// `expect msgbox "TEXT" [buttons SET] [title "TITLE"]`: the clauses given are checked, and a
// failure describes the boxes shown with the same clauses.
struct MsgboxExpectation {
    Comparison prompt;
    std::optional<std::string> buttons;
    std::optional<Comparison> title;

    bool matches(const Shown& shown) const
    {
        return prompt.matches(shown.text) && (!buttons || *buttons == buttonSetName(shown.buttons)) &&
               (!title || title->matches(shown.title));
    }
    // The expectation, or a box that was shown, with the clauses the expectation has.
    std::string text() const { return withClauses(prompt.text(), buttons.value_or(""), title ? title->text() : ""); }
    std::string describe(const Shown& shown) const
    {
        return withClauses(quotedText(shown.text), buttonSetName(shown.buttons), quotedText(shown.title));
    }

private:
    std::string withClauses(const std::string& text, const std::string& buttonSet, const std::string& titleText) const
    {
        return text + (buttons ? " buttons " + buttonSet : "") + (title ? " title " + titleText : "");
    }
};

} // namespace

Step::Action expectModal(Words& words)
{
    if (words.accept("none")) throw SyntaxError("expect modal none is written expect modals none");
    const std::string form = parseFormName(words.word("a window"));
    const Comparison expected = comparison(words);
    words.end();
    return [form, expected](Session& session) {
        Instance& instance = session.instance();
        const std::string got = recordsOf(instance, instance.modalCursor, Shown::Kind::Modal, "no modal window");
        const bool found = consume(instance, instance.modalCursor, Shown::Kind::Modal, [&](const Shown& shown) {
            return shown.form == form && expected.matches(shown.text);
        });
        session.check(found, "modal " + form + " " + expected.text(), got);
    };
}

Step::Action expectMsgbox(Words& words)
{
    MsgboxExpectation expected{comparison(words), {}, {}};
    if (words.accept("buttons")) expected.buttons = buttonSet(words);
    if (words.accept("title")) expected.title = comparison(words);
    words.end();
    return [expected](Session& session) {
        Instance& instance = session.instance();
        const std::string got = listed(instance.program->host().shown(), instance.msgboxCursor, [&](const Shown& shown) {
            return shown.kind == Shown::Kind::MessageBox ? expected.describe(shown) : std::string();
        }, "no message box");
        const bool found = consume(instance, instance.msgboxCursor, Shown::Kind::MessageBox,
                                   [&](const Shown& shown) { return expected.matches(shown); });
        session.check(found, "msgbox " + expected.text(), got);
    };
}

Step::Action expectModalsNone(Words& words) { return expectNoRecords(words, Shown::Kind::Modal); }

Step::Action expectMsgboxesNone(Words& words) { return expectNoRecords(words, Shown::Kind::MessageBox); }

Step::Action expectBeeps(Words& words)
{
    const long long count = words.integer("the number of beeps");
    words.end();
    return [count](Session& session) {
        Instance& instance = session.instance();
        const auto& shown = instance.program->host().shown();
        long long beeps = 0;
        for (std::size_t i = instance.beepCursor; i < shown.size(); ++i) beeps += shown[i].kind == Shown::Kind::Beep;
        instance.beepCursor = shown.size();
        session.check(beeps == count, "beeps " + std::to_string(count), std::to_string(beeps));
    };
}

} // namespace tarvik::script
