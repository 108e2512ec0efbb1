#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvik {
class Control;
class Form;
enum class ControlKind;
}

namespace tarvik::script {

// The properties `expect` reads, by the names scripts use. List takes a row index (List(2));
// the others take none.
bool isControlProperty(std::string_view name);
bool isFormProperty(std::string_view name);
bool takesIndex(std::string_view property);

// The property's value as the program holds it (see ValueText.h); nothing when this kind of
// control or window has no such property. `index` is List's row.
std::optional<std::string> controlProperty(const Control& control, std::string_view name, int index = -1);
std::optional<std::string> formProperty(const Form& form, std::string_view name);
// Which windows have a form property that some windows lack (ZOrder: the main window's child
// windows), for the message when one has not.
std::string whyNoFormProperty(std::string_view name);

// "text box", "command button", ... for messages.
std::string kindName(ControlKind kind);

} // namespace tarvik::script
