#include "common/EntryField.h"

#include "base/NumberText.h"
#include "common/KeyFilter.h"
#include "common/NormalizeField.h"
#include "common/RangeChecks.h"
#include "program/App.h"
#include "runtime/TextBox.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tarvik {

namespace {

// True when a sign stands anywhere but first.
bool signMisplaced(std::string_view text)
{
    return text.size() > 1 && text.substr(1).find_first_of("+-") != std::string_view::npos;
}

// The text a keystroke would leave: the selection replaced by the key.
std::string textAfterKey(const TextBox& box, char key)
{
    std::string text = box.text();
    const auto start = std::min(static_cast<std::size_t>(std::max(box.selStart(), 0)), text.size());
    const auto length = std::min(static_cast<std::size_t>(std::max(box.selLength(), 0)), text.size() - start);
    text.replace(start, length, 1, key);
    return text;
}

} // namespace

std::int16_t CheckField(App& app, TextBox& box, FieldCheck check, FieldBounds bounds, RangeTest test)
{
    switch (check) {
    case FieldCheck::ValidateInteger:
        return ValidateRangeInteger(app, box, toInt16Saturated(bounds.min), toInt16Saturated(bounds.max), test);
    case FieldCheck::ValidateDouble:
        return ValidateRangeDouble(app, box, bounds.min, bounds.max, test);
    case FieldCheck::ValidateDoubleOrBlank:
        return ValidateRangeDoubleOrBlank(app, box, bounds.min, bounds.max, test);
    case FieldCheck::ValidateHex:
        return ValidateRangeHex(app, box, toInt16Saturated(bounds.min), toInt16Saturated(bounds.max), test);
    case FieldCheck::ClampInteger:
        return ClampRangeInteger(app, box, toInt16Saturated(bounds.min), toInt16Saturated(bounds.max));
    case FieldCheck::ClampLong:
        return ClampRangeLong(app, box, toInt32Saturated(bounds.min), toInt32Saturated(bounds.max), test);
    case FieldCheck::ClampDouble:
        break;
    }
    return ClampRangeDouble(app, box, bounds.min, bounds.max, test);
}

EntryField::EntryField(App& app, TextBox& box, const FieldRule& rule) : app_(app), box_(box), rule_(rule)
{
    box_.onKeyPress = [this](int& keyAscii) {
        if (!rule_.keys.empty()) keyAscii = FilterKey(keyAscii, rule_.keys);
        // Only printable keys add a character; Backspace and Enter pass.
        if (rule_.signFirstOnly && keyAscii >= 32 && keyAscii < 127 &&
            signMisplaced(textAfterKey(box_, static_cast<char>(keyAscii))))
            keyAscii = 0;
        if (keyAscii == kKeyEnter && enterLeaves) leave();
    };
    box_.onGotFocus = [this] {
        if (entered) entered();
        if (!rule_.selectOnFocus) return;
        box_.setSelStart(0);
        box_.setSelLength(static_cast<int>(box_.text().size()));
    };
    box_.onChange = [this] {
        settleWith(rule_.check, rule_.quietChange || writingQuietly_ ? RangeTest::Off : RangeTest::On);
    };
    if (rule_.leaving != FieldLeaving::Keep) box_.onLostFocus = [this] { leave(); };
}

void EntryField::check()
{
    // The check may rewrite the text, whose Change checks the new text first (nested); the
    // outer check's flag is the one kept.
    settleWith(rule_.check);
}

void EntryField::writeQuietly(std::string text)
{
    writingQuietly_ = true;
    box_.setText(std::move(text));
    writingQuietly_ = false;
}

void EntryField::leave()
{
    switch (rule_.leaving) {
    case FieldLeaving::Keep:
        break;
    case FieldLeaving::Whole:
        NormalizeWhole(box_);
        break;
    case FieldLeaving::Decimal:
        NormalizeDecimal(box_);
        break;
    case FieldLeaving::Recheck:
        check();
        break;
    case FieldLeaving::ClampLong:
        settleWith(FieldCheck::ClampLong);
        break;
    }
}

void EntryField::settleWith(FieldCheck check, RangeTest test)
{
    const std::optional<FieldBounds> bounds = boundsNow ? boundsNow() : rule_.bounds;
    const unsigned runsBefore = checkedRuns_;
    if (rule_.signFirstOnly && signMisplaced(box_.text())) valid_ = 0;
    else valid_ = bounds ? CheckField(app_, box_, check, *bounds, test) : std::int16_t{0};
    // A clamp that rewrote the text has had the window's rule run for the new text already: a
    // second run for the same edit would show its messages twice.
    if (checkedRuns_ != runsBefore && valid_ == lastCheckedValid_) return;
    ++checkedRuns_;
    lastCheckedValid_ = valid_;
    if (checked) checked();
}

} // namespace tarvik
