#include "References.h"

#include "runtime/FormRuntime.h"

#include <cctype>

namespace tarvik::script {

namespace {

bool isNameCharacter(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_'; }

Segment parseSegment(std::string_view part, std::string_view whole)
{
    const auto bad = [&] { return SyntaxError("malformed name " + std::string(whole)); };
    Segment segment;
    std::size_t at = 0;
    while (at < part.size() && isNameCharacter(part[at])) ++at;
    if (at == 0) throw bad();
    segment.name = std::string(part.substr(0, at));
    if (at == part.size()) return segment;
    if (part[at] != '(' || !part.ends_with(")") || part.size() - at < 3) throw bad();
    int index = 0;
    for (char c : part.substr(at + 1, part.size() - at - 2)) {
        if (!std::isdigit(static_cast<unsigned char>(c)) || index > 100000) throw bad();
        index = index * 10 + (c - '0');
    }
    segment.index = index;
    return segment;
}

std::string elementList(const Form& form, const std::string& name)
{
    std::string list;
    for (const Control* control : form.controls())
        if (control->name() == name && control->index() >= 0)
            list += (list.empty() ? "" : ", ") + std::to_string(control->index());
    return list;
}

} // namespace

std::string Segment::text() const { return index < 0 ? name : name + "(" + std::to_string(index) + ")"; }

std::vector<Segment> parseSegments(std::string_view word)
{
    std::vector<Segment> segments;
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= word.size(); ++i) {
        if (i < word.size() && word[i] == '(') ++depth;
        if (i < word.size() && word[i] == ')') --depth;
        if (i == word.size() || (word[i] == '.' && depth == 0)) {
            segments.push_back(parseSegment(word.substr(start, i - start), word));
            start = i + 1;
        }
    }
    return segments;
}

ControlRef controlRef(const std::vector<Segment>& segments)
{
    if (segments.size() != 2 || segments[0].index >= 0) {
        std::string written;
        for (const Segment& s : segments) written += (written.empty() ? "" : ".") + s.text();
        throw SyntaxError("expected a control as form.control or form.control(index), got " + written);
    }
    return {segments[0].name, segments[1]};
}

ControlRef parseControlRef(std::string_view word) { return controlRef(parseSegments(word)); }

std::string parseFormName(std::string_view word)
{
    const auto segments = parseSegments(word);
    if (segments.size() != 1 || segments[0].index >= 0)
        throw SyntaxError("expected a window name, got " + std::string(word));
    return segments[0].name;
}

Segment parseMenuRef(std::string_view word)
{
    const auto segments = parseSegments(word);
    if (segments.size() != 1) throw SyntaxError("expected a menu item as name or name(index), got " + std::string(word));
    return segments[0];
}

Form& findForm(const Runtime& runtime, std::string_view name)
{
    Form* form = runtime.findForm(name);
    if (form == nullptr || !form->isLoaded())
        throw StepFailure("window " + std::string(name) +
                          " is not open (it is not loaded, or the program has no window of that name yet)");
    return *form;
}

Control& findControl(const Runtime& runtime, const ControlRef& ref)
{
    Form& form = findForm(runtime, ref.form);
    if (Control* control = form.findControl(ref.control.name, ref.control.index)) return *control;
    const std::string elements = elementList(form, ref.control.name);
    const std::string named = ref.form + "." + ref.control.name;
    if (!elements.empty())
        throw StepFailure(ref.control.index < 0
                              ? named + " is a control array: name an element (" + elements + ")"
                              : named + " has no element " + std::to_string(ref.control.index) + " (it has " + elements + ")");
    if (ref.control.index >= 0 && form.findControl(ref.control.name) != nullptr)
        throw StepFailure(named + " is not a control array");
    throw StepFailure("window " + ref.form + " has no control " + ref.control.name);
}

MenuItem& findMenuItem(const Runtime& runtime, const Segment& ref)
{
    if (runtime.forms().empty()) throw StepFailure("no window is open, so there is no menu item " + ref.text());
    for (Form* form : runtime.forms())
        if (Control* control = form->findControl(ref.name, ref.index); control && control->kind() == ControlKind::Menu)
            return static_cast<MenuItem&>(*control);
    throw StepFailure("no open window has a menu item " + ref.text());
}

std::string qualifiedName(const Control& control) { return control.form().name() + "." + control.qualifiedName(); }

std::string whyUnreachable(const Runtime& runtime, const Form& form)
{
    if (runtime.endRequested()) return "the program has ended";
    if (!form.isLoaded()) return "window " + form.name() + " is not loaded";
    const Form* modal = runtime.modalForm();
    if (modal != nullptr && modal != &form) return "the modal window " + modal->name() + " is open";
    if (!form.visible()) return "window " + form.name() + " is hidden";
    if (!form.enabled()) return "window " + form.name() + " is disabled";
    return {};
}

std::string whyUnreachable(const Runtime& runtime, const Control& control)
{
    if (std::string why = whyUnreachable(runtime, control.form()); !why.empty()) return why;
    if (!control.effectivelyVisible()) return "it is hidden";
    if (!control.effectivelyEnabled()) return "it is disabled";
    return {};
}

} // namespace tarvik::script
