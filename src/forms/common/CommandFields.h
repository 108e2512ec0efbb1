#pragma once

#include "forms/common/CommandDesign.h"

#include <cstdint>
#include <string_view>

namespace tarvik {

class App;
class TextBox;

// Runs the range check `check` on the field with the bounds; returns the field's valid flag.
// Bounds outside a whole-number check's type are brought to the type's limits.
std::int16_t CheckField(App& app, TextBox& box, FieldCheck check, FieldBounds bounds);

// The value of a field's text as Run hands it to the driver call.
CommandValue ConvertField(std::string_view text, FieldConversion conversion);

} // namespace tarvik
