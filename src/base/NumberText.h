#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Numbers as the user types and reads them: the value of a text, whole-number conversions,
// and the signed, trimmed, hexadecimal and patterned forms that every window shows.
namespace tarvik {

// The value of the number a text starts with. Blanks (spaces, tabs, line feeds) anywhere in
// the text are ignored. Read as far as possible: an optional sign, digits with an optional
// decimal point, an optional exponent ("E", "e", "D" or "d", optional sign, digits); or "&H"
// followed by hexadecimal digits or "&O" followed by octal digits. A hexadecimal or octal value
// that fits in 16 bits (leading zeros do not count) is read as a 16-bit two's complement number
// ("&HFFFF" is -1), one that fits in 32 bits as a 32-bit one ("&HFFFFFFFF" is -1). A text
// without a leading number gives 0.
// The result is always finite and never negative zero: a magnitude beyond the double range,
// and a hexadecimal or octal value wider than 32 bits, give the largest finite double of the
// number's sign; a magnitude too small for a double gives 0.
double valueOf(std::string_view text);

// Rounds to the nearest whole number, halves to the even neighbour (2.5 -> 2, 3.5 -> 4,
// -2.5 -> -2). Infinity and NaN come back unchanged.
double roundHalfEven(double value);

// The value rounded halves-to-even, when that whole number fits the type; nothing when it does
// not or when the value is not finite.
std::optional<std::int16_t> toInt16(double value);
std::optional<std::int32_t> toInt32(double value);

// As above, but an out-of-range value gives the nearer limit of the type, and NaN gives 0.
std::int16_t toInt16Saturated(double value);
std::int32_t toInt32Saturated(double value);

// The largest whole number not above the value (Int(-2.5) is -3).
double intFloor(double value);
// The whole part, truncated toward zero (Fix(-2.5) is -2).
double fix(double value);

// The trimmed form of a number: "-" before negatives, nothing before other numbers. Doubles
// show up to 15 significant digits, floats up to 7, without a leading zero before the point
// (".5"), trailing zeros or a bare point. Magnitudes that round to 1E+15 and above (1E+7 for
// floats) or fall below 1E-04 show as mantissa, "E", sign and at least two exponent digits
// ("1.5E-05"). Negative zero shows as "0"; non-finite values as "Infinity", "-Infinity", "NaN".
std::string strTrimmed(double value);
std::string strTrimmed(float value);

template <std::integral T>
    requires(!std::same_as<T, bool>)
std::string strTrimmed(T value)
{
    return std::to_string(value);
}

// The signed form: the trimmed form with a blank before every number that is not negative.
std::string strSigned(double value);
std::string strSigned(float value);

template <std::integral T>
    requires(!std::same_as<T, bool>)
std::string strSigned(T value)
{
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}

// Hexadecimal digits of the value's two's complement, upper case, no prefix, no leading zeros
// (hex16(-1) is "FFFF", hex32(-1) is "FFFFFFFF", 0 is "0").
std::string hex16(std::int16_t value);
std::string hex32(std::int32_t value);

// Writes a value by a pattern of '#' and '0' digit places with at most one '.':
// - before the point, every '0' is a digit place always shown (zero-padded); '#' places show
//   nothing extra; integer digits beyond the places are all shown;
// - after the point, the number of places is the number of decimals; trailing zero decimals
//   are dropped back to the last '0' place; the point itself is always written;
// - the value is first taken to 15 significant digits (the digits the signed form would show),
//   then rounded half away from zero at the last decimal place, so 2.345 gives "2.35" with
//   "#0.00" although the nearest double lies just below 2.345;
// - a value that rounds to zero shows no minus sign.
// Throws std::invalid_argument for a pattern with any other character or a second point.
std::string formatNumber(double value, std::string_view pattern);

// Blanks (spaces only) removed from the left, the right or both ends.
std::string ltrim(std::string_view text);
std::string rtrim(std::string_view text);
std::string trim(std::string_view text);

} // namespace tarvik
