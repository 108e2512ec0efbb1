#pragma once

#include <cstdint>

namespace tarvik {

class App;
class TextBox;

// Range checks of entry fields, called from a field's Change handler; each returns the field's
// valid flag. Common rules:
// - An empty text, "+" or "-" is skipped: flag 0, nothing else happens (ValidateRangeHex skips
//   only the empty text, ValidateRangeDoubleOrBlank also a single blank).
// - Any other text gives 1. Its value (the number the text starts with; for the whole-number
//   checks rounded halves to even, compared without overflow) outside the bounds beeps, then
//   the text becomes the violated bound with the caret at its end. Setting the text raises the
//   box's Change again, so the field's handler runs once more with the bound.
// - The Validate checks first show "Value needs to be between MIN and MAX." in the error window
//   and rewrite the text once the user has closed it; the Clamp checks show nothing.
// - With RangeTest::Off no range test is made, for a text the program wrote itself or a field
//   that only reads its text as it changes: ValidateRangeInteger, ClampRangeLong and
//   ClampRangeDouble give 1, ValidateRangeDouble, ValidateRangeDoubleOrBlank and
//   ValidateRangeHex give 0. ClampRangeInteger always tests.
// - Bounds that leave no value (minimum above maximum, as for the axis field while no board is
//   listed) accept nothing: beep, flag 0, text unchanged.

// Whether a check tests the value against its bounds.
enum class RangeTest { On, Off };

// "00" and "000" are first rewritten to "0".
std::int16_t ValidateRangeInteger(App& app, TextBox& box, std::int16_t min, std::int16_t max,
                                  RangeTest test = RangeTest::On);
std::int16_t ValidateRangeDouble(App& app, TextBox& box, double min, double max, RangeTest test = RangeTest::On);
std::int16_t ValidateRangeDoubleOrBlank(App& app, TextBox& box, double min, double max,
                                        RangeTest test = RangeTest::On);
// The text is read as hexadecimal digits of a 16-bit number ("8000" to "FFFF" are negative);
// more than four significant digits do not fit: the text is emptied and the flag is 0. The
// bounds are written in hexadecimal in the message and in the rewritten text.
std::int16_t ValidateRangeHex(App& app, TextBox& box, std::int16_t min, std::int16_t max,
                              RangeTest test = RangeTest::On);

std::int16_t ClampRangeInteger(App& app, TextBox& box, std::int16_t min, std::int16_t max);
std::int16_t ClampRangeLong(App& app, TextBox& box, std::int32_t min, std::int32_t max,
                            RangeTest test = RangeTest::On);
std::int16_t ClampRangeDouble(App& app, TextBox& box, double min, double max, RangeTest test = RangeTest::On);

} // namespace tarvik
