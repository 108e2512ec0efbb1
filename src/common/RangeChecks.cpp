#include "common/RangeChecks.h"

#include "base/NumberText.h"
#include "program/App.h"
#include "runtime/TextBox.h"
#include "shell/Shell.h"

#include <bit>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

namespace {

enum class Report { Silent, ErrorWindow };

// A bound as compared and as written back into the field.
struct Bound {
    double value;
    std::string text;
};

template <class T>
Bound decimalBound(T value)
{
    return {static_cast<double>(value), strTrimmed(value)};
}

Bound hexBound(std::int16_t value) { return {static_cast<double>(value), hex16(value)}; }

bool isSkipped(std::string_view text) { return text.empty() || text == "+" || text == "-"; }

double wholeValueOf(std::string_view text) { return roundHalfEven(valueOf(text)); }

// Flag of a text that is not skipped: beeps, reports and rewrites a value outside the bounds.
std::int16_t keepInRange(App& app, TextBox& box, double value, const Bound& min, const Bound& max, Report report)
{
    Runtime& runtime = app.runtime();
    if (min.value > max.value) {
        runtime.beep();
        return 0;
    }
    const Bound* violated = value < min.value ? &min : value > max.value ? &max : nullptr;
    if (violated == nullptr) return 1;
    runtime.beep();
    if (report == Report::ErrorWindow) {
        ShowErrorMessage(app, "Value needs to be between " + min.text + " and " + max.text + ".");
        if (runtime.endRequested()) return 1;
    }
    box.setText(violated->text);
    box.setSelStart(static_cast<int>(box.text().size()));
    return 1;
}

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

int hexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// The leading hexadecimal digits of the text (blanks ignored) as a 16-bit two's complement
// number; nothing when they need more than 16 bits.
std::optional<std::int16_t> hexValue16(std::string_view text)
{
    constexpr int kHexDigitBits = 4;
    constexpr std::uint32_t kWordLimit = 0x10000;
    std::uint32_t value = 0;
    for (char c : text) {
        if (isBlank(c)) continue;
        const int digit = hexDigitValue(c);
        if (digit < 0) break;
        value = (value << kHexDigitBits) | static_cast<std::uint32_t>(digit);
        if (value >= kWordLimit) return std::nullopt;
    }
    return std::bit_cast<std::int16_t>(static_cast<std::uint16_t>(value));
}

} // namespace

std::int16_t ValidateRangeInteger(App& app, TextBox& box, std::int16_t min, std::int16_t max, RangeTest test)
{
    if (box.text() == "000" || box.text() == "00") box.setText("0");
    // The rewrite above may have run this check (and its rewrite) already: take the text now.
    const std::string text = box.text();
    if (isSkipped(text)) return 0;
    if (test == RangeTest::Off) return 1;
    return keepInRange(app, box, wholeValueOf(text), decimalBound(min), decimalBound(max), Report::ErrorWindow);
}

std::int16_t ValidateRangeDouble(App& app, TextBox& box, double min, double max, RangeTest test)
{
    const std::string text = box.text();
    if (isSkipped(text) || test == RangeTest::Off) return 0;
    return keepInRange(app, box, valueOf(text), decimalBound(min), decimalBound(max), Report::ErrorWindow);
}

std::int16_t ValidateRangeDoubleOrBlank(App& app, TextBox& box, double min, double max, RangeTest test)
{
    if (box.text() == " ") return 0;
    return ValidateRangeDouble(app, box, min, max, test);
}

std::int16_t ValidateRangeHex(App& app, TextBox& box, std::int16_t min, std::int16_t max, RangeTest test)
{
    // With the range test off this is a quiet read: the text is never touched.
    const std::string text = box.text();
    if (text.empty() || test == RangeTest::Off) return 0;
    const std::optional<std::int16_t> value = hexValue16(text);
    if (!value) {
        box.setText("");
        return 0;
    }
    return keepInRange(app, box, *value, hexBound(min), hexBound(max), Report::ErrorWindow);
}

std::int16_t ClampRangeInteger(App& app, TextBox& box, std::int16_t min, std::int16_t max)
{
    const std::string text = box.text();
    if (isSkipped(text)) return 0;
    return keepInRange(app, box, wholeValueOf(text), decimalBound(min), decimalBound(max), Report::Silent);
}

std::int16_t ClampRangeLong(App& app, TextBox& box, std::int32_t min, std::int32_t max, RangeTest test)
{
    const std::string text = box.text();
    if (isSkipped(text)) return 0;
    if (test == RangeTest::Off) return 1;
    return keepInRange(app, box, wholeValueOf(text), decimalBound(min), decimalBound(max), Report::Silent);
}

std::int16_t ClampRangeDouble(App& app, TextBox& box, double min, double max, RangeTest test)
{
    const std::string text = box.text();
    if (isSkipped(text)) return 0;
    if (test == RangeTest::Off) return 1;
    return keepInRange(app, box, valueOf(text), decimalBound(min), decimalBound(max), Report::Silent);
}

} // namespace tarvik
