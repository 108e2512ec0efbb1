#include "base/NumberText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <stdexcept>

namespace tarvik {

namespace {

constexpr double kLargestDouble = std::numeric_limits<double>::max();
// Significant digits of the forms a user reads: doubles and floats.
constexpr int kDoubleDigits = 15;
constexpr int kFloatDigits = 7;
// Exponents are read only this far; anything beyond is far outside the double range anyway,
// and the cap keeps the arithmetic on them from overflowing.
constexpr long long kExponentCap = 1'000'000'000;

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isExponentMark(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

std::string withoutBlanks(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact), [](char c) { return !isBlank(c); });
    return compact;
}

// The digit's value in the base, or -1 when the character is no digit of it.
int digitIn(char c, unsigned base)
{
    int digit = -1;
    if (isDigit(c)) digit = c - '0';
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    return digit >= 0 && static_cast<unsigned>(digit) < base ? digit : -1;
}

// The digits after an "&H" or "&O" prefix, as a 16-bit or 32-bit two's complement number by
// the width their value needs.
double radixValue(std::string_view digits, unsigned base)
{
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = digitIn(c, base);
        if (digit < 0) break;
        value = value * base + static_cast<unsigned>(digit);
        if (value > 0xFFFF'FFFFu) return kLargestDouble;
    }
    if (value <= 0xFFFFu) return static_cast<std::int16_t>(value);
    return static_cast<std::int32_t>(value);
}

std::string_view leadingDigits(std::string_view text, std::size_t& pos)
{
    const std::size_t begin = pos;
    while (pos < text.size() && isDigit(text[pos])) ++pos;
    return text.substr(begin, pos - begin);
}

// The exponent after a mantissa, 0 when there is none or no digit follows the mark.
long long exponentAt(std::string_view text, std::size_t pos)
{
    if (pos >= text.size() || !isExponentMark(text[pos])) return 0;
    ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    long long exponent = 0;
    for (char c : leadingDigits(text, pos)) exponent = std::min(exponent * 10 + (c - '0'), kExponentCap);
    return negative ? -exponent : exponent;
}

// The power of ten just above the leading non-zero digit of intDigits.fracDigits x 10^exponent.
long long decimalOrder(std::string_view intDigits, std::string_view fracDigits, long long exponent)
{
    const auto intLead = intDigits.find_first_not_of('0');
    if (intLead != std::string_view::npos) return exponent + static_cast<long long>(intDigits.size() - intLead);
    const auto fracLead = fracDigits.find_first_not_of('0');
    return exponent - static_cast<long long>(fracLead == std::string_view::npos ? 0 : fracLead);
}

double decimalValue(std::string_view text)
{
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const std::string_view intDigits = leadingDigits(text, pos);
    std::string_view fracDigits;
    if (pos < text.size() && text[pos] == '.') fracDigits = leadingDigits(text, ++pos);
    if (intDigits.empty() && fracDigits.empty()) return 0.0;
    const long long exponent = exponentAt(text, pos);

    std::string canonical(intDigits.empty() ? "0" : intDigits);
    canonical += '.';
    canonical += fracDigits;
    canonical += 'e';
    canonical += std::to_string(exponent);
    double magnitude = 0.0;
    const auto result = std::from_chars(canonical.data(), canonical.data() + canonical.size(), magnitude);
    if (result.ec == std::errc::result_out_of_range)
        magnitude = decimalOrder(intDigits, fracDigits, exponent) > 0 ? kLargestDouble : 0.0;
    if (magnitude == 0.0) return 0.0;
    return negative ? -magnitude : magnitude;
}

// A finite non-zero value rounded to `count` significant digits: digits[0] stands for
// 10^exponent, the others follow it.
struct DecimalDigits {
    bool negative;
    std::string digits;
    int exponent;
};

DecimalDigits decimalDigits(double value, int count)
{
    // Longest form: sign, digit, point, 14 digits, "e", sign, 3 exponent digits.
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, count - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    const std::size_t mark = text.find('e');
    DecimalDigits d{value < 0, {}, 0};
    for (char c : text.substr(0, mark))
        if (isDigit(c)) d.digits += c;
    std::from_chars(text.data() + mark + (text[mark + 1] == '+' ? 2 : 1), text.data() + text.size(), d.exponent);
    return d;
}

std::string exponentForm(const DecimalDigits& d)
{
    std::string out(d.negative ? "-" : "");
    out += d.digits[0];
    if (d.digits.size() > 1) out.append(".").append(d.digits, 1);
    out += d.exponent < 0 ? "E-" : "E+";
    const std::string exponent = std::to_string(std::abs(d.exponent));
    if (exponent.size() < 2) out += '0';
    return out + exponent;
}

std::string positionalForm(const DecimalDigits& d)
{
    std::string out(d.negative ? "-" : "");
    if (d.exponent < 0) return out.append(".").append(static_cast<std::size_t>(-d.exponent - 1), '0').append(d.digits);
    const std::size_t intCount = static_cast<std::size_t>(d.exponent) + 1;
    if (d.digits.size() <= intCount) return out.append(d.digits).append(intCount - d.digits.size(), '0');
    return out.append(d.digits, 0, intCount).append(".").append(d.digits, intCount);
}

std::string significantForm(double value, int count)
{
    if (std::isnan(value)) return "NaN";
    if (std::isinf(value)) return value < 0 ? "-Infinity" : "Infinity";
    if (value == 0.0) return "0";
    DecimalDigits d = decimalDigits(value, count);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    // Exponent form once the whole part needs more digits than are significant, or below 1E-04.
    if (d.exponent >= count || d.exponent < -4) return exponentForm(d);
    return positionalForm(d);
}

std::string withSignBlank(std::string trimmed)
{
    return trimmed.front() == '-' ? trimmed : " " + trimmed;
}

std::string hexDigits(std::uint32_t value)
{
    char buffer[8];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, 16);
    std::string out(buffer, result.ptr);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; });
    return out;
}

struct NumberPattern {
    std::size_t minIntegerDigits = 0;
    std::size_t decimals = 0;
    std::size_t minDecimals = 0;
    bool hasPoint = false;
};

NumberPattern parsePattern(std::string_view pattern)
{
    NumberPattern p;
    bool anyPlace = false;
    for (char c : pattern) {
        if (c == '.') {
            if (p.hasPoint) throw std::invalid_argument("number pattern has two points: " + std::string(pattern));
            p.hasPoint = true;
            continue;
        }
        if (c != '#' && c != '0') throw std::invalid_argument("number pattern character not handled: " + std::string(pattern));
        anyPlace = true;
        if (!p.hasPoint) {
            if (c == '0') ++p.minIntegerDigits;
            continue;
        }
        ++p.decimals;
        if (c == '0') p.minDecimals = p.decimals;
    }
    if (!anyPlace) throw std::invalid_argument("number pattern has no digit place: " + std::string(pattern));
    return p;
}

// Adds one to a string of decimal digits.
void incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// |value| x 10^decimals as whole decimal digits, rounded half away from zero from the value's
// significant digits.
std::string scaledDigits(const DecimalDigits& d, std::size_t decimals)
{
    // How many of the significant digits stand at or above the last decimal place.
    const long long keep = d.exponent + static_cast<long long>(decimals) + 1;
    std::string kept = "0";
    bool roundUp = false;
    if (keep == 0) {
        roundUp = d.digits[0] >= '5';
    } else if (keep > 0) {
        const std::size_t count = static_cast<std::size_t>(keep);
        kept = d.digits.substr(0, count);
        kept.append(count > d.digits.size() ? count - d.digits.size() : 0, '0');
        roundUp = count < d.digits.size() && d.digits[count] >= '5';
    }
    if (roundUp) incrementDigits(kept);
    return kept;
}

template <typename Int>
std::optional<Int> toWhole(double value)
{
    const double whole = roundHalfEven(value);
    // Written so that NaN fails the test as well.
    if (!(whole >= std::numeric_limits<Int>::min() && whole <= std::numeric_limits<Int>::max())) return std::nullopt;
    return static_cast<Int>(whole);
}

template <typename Int>
Int toWholeSaturated(double value)
{
    if (std::isnan(value)) return 0;
    const double whole = std::clamp(roundHalfEven(value), double(std::numeric_limits<Int>::min()),
                                    double(std::numeric_limits<Int>::max()));
    return static_cast<Int>(whole);
}

} // namespace

double valueOf(std::string_view text)
{
    const std::string compact = withoutBlanks(text);
    if (compact.size() >= 2 && compact[0] == '&') {
        const char kind = compact[1];
        if (kind == 'H' || kind == 'h') return radixValue(std::string_view(compact).substr(2), 16);
        if (kind == 'O' || kind == 'o') return radixValue(std::string_view(compact).substr(2), 8);
        return 0.0;
    }
    return decimalValue(compact);
}

double roundHalfEven(double value)
{
    if (!std::isfinite(value)) return value;
    const double below = std::floor(value);
    const double fraction = value - below; // exact: the fractional part of a double is a double
    if (fraction < 0.5) return below + 0.0; // + 0.0 turns a negative zero into zero
    if (fraction > 0.5) return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below + 0.0 : below + 1.0;
}


std::optional<std::int16_t> toInt16(double value) { return toWhole<std::int16_t>(value); }
std::optional<std::int32_t> toInt32(double value) { return toWhole<std::int32_t>(value); }
std::int16_t toInt16Saturated(double value) { return toWholeSaturated<std::int16_t>(value); }
std::int32_t toInt32Saturated(double value) { return toWholeSaturated<std::int32_t>(value); }

double intFloor(double value) { return std::floor(value); }
double fix(double value) { return std::trunc(value); }

std::string strTrimmed(double value) { return significantForm(value, kDoubleDigits); }
std::string strTrimmed(float value) { return significantForm(value, kFloatDigits); }
std::string strSigned(double value) { return withSignBlank(strTrimmed(value)); }
std::string strSigned(float value) { return withSignBlank(strTrimmed(value)); }

std::string hex16(std::int16_t value) { return hexDigits(static_cast<std::uint16_t>(value)); }
std::string hex32(std::int32_t value) { return hexDigits(static_cast<std::uint32_t>(value)); }

std::string formatNumber(double value, std::string_view pattern)
{
    const NumberPattern p = parsePattern(pattern);
    if (!std::isfinite(value)) return strTrimmed(value);
    std::string scaled = value == 0.0 ? "0" : scaledDigits(decimalDigits(value, kDoubleDigits), p.decimals);
    const bool isZero = scaled.find_first_not_of('0') == std::string::npos;
    if (scaled.size() < p.decimals) scaled.insert(0, p.decimals - scaled.size(), '0');

    const std::size_t intCount = scaled.size() - p.decimals;
    std::string integer = scaled.substr(0, intCount);
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.size()));
    if (integer.size() < p.minIntegerDigits) integer.insert(0, p.minIntegerDigits - integer.size(), '0');
    std::string fraction = scaled.substr(intCount);
    while (fraction.size() > p.minDecimals && fraction.back() == '0') fraction.pop_back();

    std::string out = value < 0 && !isZero ? "-" : "";
    out += integer;
    if (p.hasPoint) out.append(".").append(fraction);
    return out;
}

std::string ltrim(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string rtrim(std::string_view text)
{
    const auto last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string() : std::string(text.substr(0, last + 1));
}

std::string trim(std::string_view text) { return rtrim(ltrim(text)); }

} // namespace tarvik
