#pragma once

namespace tarvik {

class TextBox;

// Rewrites an entry field when it loses the focus. Setting the text raises the box's Change, so
// the field's check sees the new text as if it had been typed.

// The value of the text as a whole number (halves to even) in the trimmed form, when its
// magnitude is below 2100000000; larger values are left as they stand. An empty or non-numeric
// text becomes "0".
void NormalizeWhole(TextBox& box);

// The value of the text in the trimmed decimal form (".5", "12.25"); an empty or non-numeric
// text becomes "0".
void NormalizeDecimal(TextBox& box);

} // namespace tarvik
