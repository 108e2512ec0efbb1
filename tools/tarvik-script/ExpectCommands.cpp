#include "CallPattern.h"
#include "Commands.h"
#include "HexBytes.h"
#include "PropertyText.h"
#include "Session.h"
#include "Tokens.h"
#include "Wildcard.h"

#include "forms/runtime/FormRuntime.h"

#include <functional>

namespace tarvik::script {

namespace {

using Shown = HeadlessHost::Shown;

// `"VALUE"` or `like "PATTERN"`.
struct Comparison {
    std::string value;
    bool like = false;

    bool matches(std::string_view actual) const { return like ? matchesWildcard(value, actual) : value == actual; }
    std::string text() const { return (like ? "like " : "") + quotedText(value); }
};

Comparison comparison(Words& words)
{
    Comparison result;
    result.like = words.accept("like");
    result.value = words.text(result.like ? "a pattern" : "the expected value");
    words.end();
    return result;
}

// Lists items for a "got ..." part, at most a screenful.
template <class Item, class Describe>
std::string listed(const std::vector<Item>& items, std::size_t from, Describe describe, std::string_view none)
{
    constexpr std::size_t kShown = 8;
    std::string text;
    std::size_t count = 0;
    for (std::size_t i = from; i < items.size(); ++i) {
        if (auto described = describe(items[i]); !described.empty()) {
            if (++count <= kShown) text += (text.empty() ? "" : ", ") + described;
        }
    }
    if (count > kShown) text += " and " + std::to_string(count - kShown) + " more";
    return count == 0 ? std::string(none) : text;
}

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

std::string callsText(const RecordingDriver& driver, std::string_view none)
{
    return listed(driver.calls(), driver.markPosition(), [](const CallRecord& call) { return call.text(); }, none);
}

Step::Action expectProperty(const std::string& word, Words& words)
{
    const auto segments = parseSegments(word);
    const Comparison expected = comparison(words);
    const Segment property = segments.back();
    const std::string what = word + " " + expected.text();
    if (segments.size() == 2 && segments[0].index < 0 && property.index < 0 && isFormProperty(property.name)) {
        return [form = segments[0].name, property, expected, what](Session& session) {
            const auto value = formProperty(findForm(session.program().runtime(), form), property.name);
            session.check(expected.matches(*value), what, quotedText(*value));
        };
    }
    if (segments.size() != 3) throw SyntaxError("expected form.control.Property or form.Property, got " + word);
    if (!isControlProperty(property.name)) throw SyntaxError("unknown property " + property.name + " in " + word);
    if (takesIndex(property.name) != (property.index >= 0))
        throw SyntaxError(takesIndex(property.name) ? property.name + " needs a row, e.g. List(0)"
                                                    : property.name + " takes no index");
    const ControlRef ref = controlRef({segments[0], segments[1]});
    return [ref, property, expected, what](Session& session) {
        const Control& control = findControl(session.program().runtime(), ref);
        const auto value = controlProperty(control, property.name, property.index);
        if (!value) throw StepFailure(ref.text() + " is a " + kindName(control.kind()) + ", which has no " + property.name);
        session.check(expected.matches(*value), what, quotedText(*value));
    };
}

Step::Action expectMenu(Words& words)
{
    const std::string word = words.word("ITEM.PROPERTY");
    const auto segments = parseSegments(word);
    if (segments.size() != 2 || !isControlProperty(segments[1].name) || segments[1].index >= 0)
        throw SyntaxError("expected a menu item and its property (Caption Enabled Visible Checked), got " + word);
    const Comparison expected = comparison(words);
    return [item = segments[0], property = segments[1].name, expected, word](Session& session) {
        const MenuItem& menu = findMenuItem(session.program().runtime(), item);
        const auto value = controlProperty(menu, property);
        if (!value) throw StepFailure("a menu item has no " + property);
        session.check(expected.matches(*value), "menu " + word + " " + expected.text(), quotedText(*value));
    };
}

Step::Action expectLoaded(Words& words, bool loaded)
{
    const std::string form = parseFormName(words.word("a window"));
    words.end();
    return [form, loaded](Session& session) {
        const Form* found = session.program().runtime().findForm(form);
        const bool isLoaded = found != nullptr && found->isLoaded();
        session.check(isLoaded == loaded, (loaded ? "loaded " : "unloaded ") + form, isLoaded ? "loaded" : "not loaded");
    };
}

Step::Action expectModal(Words& words)
{
    if (words.accept("none")) throw SyntaxError("expect modal none is written expect modals none");
    const std::string form = parseFormName(words.word("a window"));
    const Comparison expected = comparison(words);
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
    const Comparison expected = comparison(words);
    return [expected](Session& session) {
        Instance& instance = session.instance();
        const std::string got = recordsOf(instance, instance.msgboxCursor, Shown::Kind::MessageBox, "no message box");
        const bool found = consume(instance, instance.msgboxCursor, Shown::Kind::MessageBox,
                                   [&](const Shown& shown) { return expected.matches(shown.text); });
        session.check(found, "msgbox " + expected.text(), got);
    };
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

// `expect call` (searching forward) and `expect next` (the very next call).
Step::Action expectCall(Words& words, bool next)
{
    const CallPattern pattern = CallPattern::parse(words.rest("a driver call"));
    return [pattern, next](Session& session) {
        RecordingDriver& driver = session.program().driver();
        const auto open = driver.callsSinceMark();
        const std::size_t searched = next ? std::min<std::size_t>(open.size(), 1) : open.size();
        const std::string got = next && !open.empty() ? open.front().text() : callsText(driver, "no further driver call");
        for (std::size_t i = 0; i < searched; ++i)
            if (pattern.matches(open[i])) {
                driver.consumeThrough(driver.markPosition() + i);
                session.check(true, {}, {});
                return;
            }
        session.check(false, (next ? "next " : "call ") + pattern.text(), got);
    };
}

Step::Action expectCallsNone(Words& words)
{
    if (!words.accept("none")) throw SyntaxError("expected none");
    words.end();
    return [](Session& session) {
        const RecordingDriver& driver = session.program().driver();
        session.check(driver.callsSinceMark().empty(), "calls none", callsText(driver, ""));
    };
}

Step::Action expectFile(Words& words)
{
    const std::string name = parseFileName(words);
    if (words.accept("size")) {
        const long long size = words.integer("the file size");
        words.end();
        return [name, size](Session& session) {
            const auto bytes = readBytes(session.directory() / name);
            const std::string what = "file " + name + " size " + std::to_string(size);
            session.check(bytes && static_cast<long long>(bytes->size()) == size, what,
                          bytes ? std::to_string(bytes->size()) + " bytes" : "no such file");
        };
    }
    if (!words.accept("at")) throw SyntaxError("expected size N or at OFFSET HEXBYTES after the file name");
    const long long offset = words.integer("the offset");
    std::string hex;
    while (!words.atEnd()) hex += words.word("hexadecimal bytes");
    const auto expected = parseHexBytes(hex);
    if (!expected || expected->empty() || offset < 0)
        throw SyntaxError("expected an offset of 0 or more and bytes as pairs of hexadecimal digits");
    return [name, offset, expected = *expected](Session& session) {
        const auto bytes = readBytes(session.directory() / name);
        const std::string what = "file " + name + " at " + std::to_string(offset) + " " + hexText(expected);
        if (!bytes) return session.check(false, what, "no such file");
        const auto start = static_cast<std::size_t>(offset);
        if (start + expected.size() > bytes->size())
            return session.check(false, what, "a file of " + std::to_string(bytes->size()) + " bytes");
        const Bytes found(bytes->begin() + static_cast<std::ptrdiff_t>(start),
                          bytes->begin() + static_cast<std::ptrdiff_t>(start + expected.size()));
        session.check(found == expected, what, hexText(found));
    };
}

Step::Action expectFocus(Words& words)
{
    const ControlRef ref = parseControlRef(words.word("a control"));
    words.end();
    return [ref](Session& session) {
        const Runtime& runtime = session.program().runtime();
        const Control& wanted = findControl(runtime, ref);
        const Form* active = runtime.activeForm();
        const Control* focused = active != nullptr ? active->activeControl() : nullptr;
        session.check(focused == &wanted, "focus " + ref.text(),
                      focused != nullptr ? qualifiedName(*focused) : "no control with the focus");
    };
}

Step::Action expectHelp(Words& words)
{
    const long long topic = words.integer("a help topic");
    words.end();
    return [topic](Session& session) {
        const int last = session.program().runtime().lastHelpTopic();
        session.check(last == topic, "help " + std::to_string(topic), last == 0 ? "no help opened" : std::to_string(last));
    };
}

} // namespace

Step::Action parseExpect(Words& words)
{
    if (words.accept("loaded")) return expectLoaded(words, true);
    if (words.accept("unloaded")) return expectLoaded(words, false);
    if (words.accept("menu")) return expectMenu(words);
    if (words.accept("modal")) return expectModal(words);
    if (words.accept("modals")) return expectNoRecords(words, Shown::Kind::Modal);
    if (words.accept("msgbox")) return expectMsgbox(words);
    if (words.accept("msgboxes")) return expectNoRecords(words, Shown::Kind::MessageBox);
    if (words.accept("beeps")) return expectBeeps(words);
    if (words.accept("call")) return expectCall(words, false);
    if (words.accept("next")) return expectCall(words, true);
    if (words.accept("calls")) return expectCallsNone(words);
    if (words.accept("file")) return expectFile(words);
    if (words.accept("focus")) return expectFocus(words);
    if (words.accept("help")) return expectHelp(words);
    return expectProperty(words.word("what to expect"), words);
}

} // namespace tarvik::script
