#include "CallPattern.h"
#include "Commands.h"
#include "Comparison.h"
#include "HexBytes.h"
#include "Listing.h"
#include "PropertyText.h"
#include "Session.h"
#include "Tokens.h"

#include "runtime/FormRuntime.h"

#include <array>

namespace tarvik::script {

namespace {

std::string callsText(const RecordingDriver& driver, std::string_view none)
{
    std::string text = listed(driver.calls(), driver.markPosition(), [](const CallRecord& call) { return call.text(); }, none);
    // A call the script looks for may be among those the bounded log let go.
    if (const std::size_t dropped = driver.droppedCalls())
        text += " (the log dropped the oldest " + std::to_string(dropped) + " driver calls)";
    return text;
}

Step::Action expectProperty(const std::string& word, Words& words)
{
    const auto segments = parseSegments(word);
    const Comparison expected = comparison(words);
    words.end();
    const Segment property = segments.back();
    const std::string what = word + " " + expected.text();
    if (segments.size() == 2 && segments[0].index < 0 && property.index < 0 && isFormProperty(property.name)) {
        return [form = segments[0].name, property, expected, what](Session& session) {
            const auto value = formProperty(findForm(session.program().runtime(), form), property.name);
            if (!value) throw StepFailure("window " + form + " has no " + property.name + ": " + whyNoFormProperty(property.name));
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
        throw SyntaxError("expected a menu item and its property (Caption Enabled Visible Checked Index), got " + word);
    const Comparison expected = comparison(words);
    words.end();
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

// `expect no call`: no call since the last matched one matches; nothing is consumed.
Step::Action expectNoCall(Words& words)
{
    if (!words.accept("call")) throw SyntaxError("expected call ENTRY(ARGS) after no");
    const CallPattern pattern = CallPattern::parse(words.rest("a driver call"));
    return [pattern](Session& session) {
        const RecordingDriver& driver = session.program().driver();
        for (const CallRecord& call : driver.callsSinceMark())
            if (pattern.matches(call)) return session.check(false, "no call " + pattern.text(), call.text());
        session.check(true, {}, {});
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

struct Expectation {
    std::string_view word;
    Step::Action (*parse)(Words&);
};

constexpr std::array<Expectation, 15> kExpectations{{
    {"loaded", [](Words& words) { return expectLoaded(words, true); }},
    {"unloaded", [](Words& words) { return expectLoaded(words, false); }},
    {"menu", expectMenu},
    {"modal", expectModal},
    {"modals", expectModalsNone},
    {"msgbox", expectMsgbox},
    {"msgboxes", expectMsgboxesNone},
    {"beeps", expectBeeps},
    {"call", [](Words& words) { return expectCall(words, false); }},
    {"next", [](Words& words) { return expectCall(words, true); }},
    {"calls", expectCallsNone},
    {"no", expectNoCall},
    {"file", expectFile},
    {"focus", expectFocus},
    {"help", expectHelp},
}};

} // namespace

Step::Action parseExpect(Words& words)
{
    for (const Expectation& expectation : kExpectations)
        if (words.accept(expectation.word)) return expectation.parse(words);
    return expectProperty(words.word("what to expect"), words);
}

} // namespace tarvik::script
