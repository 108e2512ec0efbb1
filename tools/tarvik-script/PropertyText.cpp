#include "PropertyText.h"

#include "DrawingText.h"
#include "ValueText.h"

#include "runtime/FormRuntime.h"
#include "runtime/Runtime.h"

#include <algorithm>
#include <array>
#include <functional>

namespace tarvik::script {

namespace {

using Reader = std::function<std::optional<std::string>(const Control&, int index)>;

// Reads through `read` when the control is one of Kinds.
template <class... Kinds, class Read>
Reader of(Read read)
{
    return [read](const Control& control, int index) -> std::optional<std::string> {
        std::optional<std::string> value;
        auto tryKind = [&]<class Kind>() {
            if (value) return;
            if (const auto* typed = dynamic_cast<const Kind*>(&control)) value = valueText(read(*typed, index));
        };
        (tryKind.template operator()<Kinds>(), ...);
        return value;
    };
}

// Reads through `read` when the control shows a text in a font.
template <class Read>
Reader ofTextKinds(Read read)
{
    return of<Label, TextBox, CommandButton, ComboBox, ListBox, OptionButton, CheckBox, Frame, PictureBox>(read);
}

struct ControlProperty {
    std::string_view name;
    Reader read;
};

const std::vector<ControlProperty>& controlProperties()
{
    static const std::vector<ControlProperty> properties{
        {"Text", of<TextBox, ComboBox, ListBox>([](const auto& c, int) { return std::string(c.text()); })},
        {"Caption", of<Label, CommandButton, CheckBox, OptionButton, Frame, MenuItem>(
                        [](const auto& c, int) { return c.caption(); })},
        // A menu item shows disabled while an input hold keeps it from the user.
        {"Enabled", of<Control>([](const Control& c, int) {
             return c.enabled() && !(c.kind() == ControlKind::Menu && c.form().runtime().keptFromUser(c));
         })},
        {"Visible", of<Control>([](const Control& c, int) { return c.visible(); })},
        {"Value", of<CheckBox, OptionButton, ScrollBar, Gauge>([](const auto& c, int) { return c.value(); })},
        {"ListIndex", of<ListControl>([](const ListControl& c, int) { return c.listIndex(); })},
        {"ListCount", of<ListControl>([](const ListControl& c, int) { return c.listCount(); })},
        {"List", of<ListControl>([](const ListControl& c, int row) { return c.list(row); })},
        {"FillColor", of<Shape, PictureBox>([](const auto& c, int) { return c.fillColor(); })},
        {"ForeColor", of<TextBox, ComboBox, Label, PictureBox>([](const auto& c, int) { return c.foreColor(); })},
        {"BackColor", of<TextBox, ComboBox, Label, PictureBox>([](const auto& c, int) { return c.backColor(); })},
        {"SelStart", of<TextBox, ComboBox>([](const auto& c, int) { return c.selStart(); })},
        {"SelLength", of<TextBox, ComboBox>([](const auto& c, int) { return c.selLength(); })},
        {"Checked", of<MenuItem>([](const MenuItem& c, int) { return c.checked(); })},
        {"Drawing", of<PictureBox>([](const PictureBox& c, int) { return drawingText(c); })},
        {"Left", of<Control>([](const Control& c, int) { return c.left(); })},
        {"Top", of<Control>([](const Control& c, int) { return c.top(); })},
        {"Width", of<Control>([](const Control& c, int) { return c.width(); })},
        {"Height", of<Control>([](const Control& c, int) { return c.height(); })},
        {"Max", of<ScrollBar, Gauge>([](const auto& c, int) { return c.max(); })},
        {"Min", of<ScrollBar, Gauge>([](const auto& c, int) { return c.min(); })},
        {"Interval", of<Timer>([](const Timer& c, int) { return c.interval(); })},
        {"FontName", ofTextKinds([](const Control& c, int) { return c.fontName(); })},
        {"FontSize", ofTextKinds([](const Control& c, int) { return c.fontSize(); })},
        {"Index", of<MenuItem>([](const MenuItem& c, int) { return c.position(); })},
    };
    return properties;
}

// A window the main window holds as a child: modeless, shown inside it.
bool isChildWindow(const Form& form)
{
    return form.mdiChild() && !form.isModal() && &form != form.runtime().mainForm();
}

// Front first among the main window's child windows, 0 at the front.
std::optional<std::string> zOrderPosition(const Form& form)
{
    if (!isChildWindow(form)) return std::nullopt;
    int position = 0;
    for (const Form* other : form.runtime().forms()) {
        if (other == &form) break;
        position += isChildWindow(*other);
    }
    return valueText(position);
}

struct FormProperty {
    std::string_view name;
    std::function<std::optional<std::string>(const Form&)> read;
    std::string_view whyMissing{};
};

const std::vector<FormProperty>& formProperties()
{
    static const std::vector<FormProperty> properties{
        {"Caption", [](const Form& f) { return f.caption(); }},
        {"Left", [](const Form& f) { return valueText(f.left()); }},
        {"Top", [](const Form& f) { return valueText(f.top()); }},
        {"Width", [](const Form& f) { return valueText(f.width()); }},
        {"Height", [](const Form& f) { return valueText(f.height()); }},
        {"WindowState", [](const Form& f) { return valueText(static_cast<int>(f.windowState())); }},
        {"Visible", [](const Form& f) { return valueText(f.visible()); }},
        {"Enabled", [](const Form& f) { return valueText(f.enabled()); }},
        {"ZOrder", zOrderPosition, "only the main window's child windows have one"},
    };
    return properties;
}

template <class Table>
auto findIn(const Table& table, std::string_view name)
{
    return std::find_if(table.begin(), table.end(), [&](const auto& entry) { return entry.name == name; });
}

} // namespace

bool isControlProperty(std::string_view name) { return findIn(controlProperties(), name) != controlProperties().end(); }

bool isFormProperty(std::string_view name) { return findIn(formProperties(), name) != formProperties().end(); }

bool takesIndex(std::string_view property) { return property == "List"; }

std::optional<std::string> controlProperty(const Control& control, std::string_view name, int index)
{
    const auto found = findIn(controlProperties(), name);
    if (found == controlProperties().end()) return std::nullopt;
    return found->read(control, index);
}

std::optional<std::string> formProperty(const Form& form, std::string_view name)
{
    const auto found = findIn(formProperties(), name);
    if (found == formProperties().end()) return std::nullopt;
    return found->read(form);
}

std::string whyNoFormProperty(std::string_view name)
{
    const auto found = findIn(formProperties(), name);
    return found == formProperties().end() ? std::string() : std::string(found->whyMissing);
}

std::string kindName(ControlKind kind)
{
    static constexpr std::array<std::string_view, 16> kNames{
        "label",   "text box", "command button", "combo box", "list box",   "option button",
        "check box", "frame",  "shape",          "line",      "image",      "picture box",
        "scroll bar", "timer", "gauge",          "menu item",
    };
    return std::string(kNames.at(static_cast<std::size_t>(kind)));
}

} // namespace tarvik::script
