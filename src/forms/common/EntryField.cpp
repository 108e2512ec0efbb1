#include "forms/common/EntryField.h"

#include "base/NumberText.h"
#include "forms/common/KeyFilter.h"
#include "forms/common/NormalizeField.h"
#include "forms/common/RangeChecks.h"
#include "forms/runtime/TextBox.h"
#include "program/App.h"

namespace tarvik {

std::int16_t CheckField(App& app, TextBox& box, FieldCheck check, FieldBounds bounds)
{
    switch (check) {
    case FieldCheck::ValidateInteger:
        return ValidateRangeInteger(app, box, toInt16Saturated(bounds.min), toInt16Saturated(bounds.max));
    case FieldCheck::ValidateDouble:
        return ValidateRangeDouble(app, box, bounds.min, bounds.max);
    case FieldCheck::ValidateDoubleOrBlank:
        return ValidateRangeDoubleOrBlank(app, box, bounds.min, bounds.max);
    case FieldCheck::ValidateHex:
        return ValidateRangeHex(app, box, toInt16Saturated(bounds.min), toInt16Saturated(bounds.max));
    case FieldCheck::ClampInteger:
        return ClampRangeInteger(app, box, toInt16Saturated(bounds.min), toInt16Saturated(bounds.max));
    case FieldCheck::ClampLong:
        return ClampRangeLong(app, box, toInt32Saturated(bounds.min), toInt32Saturated(bounds.max));
    case FieldCheck::ClampDouble:
        break;
    }
    return ClampRangeDouble(app, box, bounds.min, bounds.max);
}

EntryField::EntryField(App& app, TextBox& box, const FieldRule& rule) : app_(app), box_(box), rule_(rule)
{
    box_.onKeyPress = [this](int& keyAscii) {
        if (!rule_.keys.empty()) keyAscii = FilterKey(keyAscii, rule_.keys);
        if (keyAscii == kKeyEnter && enterLeaves) leave();
    };
    box_.onGotFocus = [this] {
        if (entered) entered();
        if (!rule_.selectOnFocus) return;
        box_.setSelStart(0);
        box_.setSelLength(static_cast<int>(box_.text().size()));
    };
    box_.onChange = [this] { check(); };
    if (rule_.leaving != FieldLeaving::Keep) box_.onLostFocus = [this] { leave(); };
}

void EntryField::check()
{
    // The check may rewrite the text, whose Change checks the new text first (nested); the
    // outer check's flag is the one kept.
    settleWith(rule_.check);
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
        app_.RangeCheckOff = false;
        settleWith(FieldCheck::ClampLong);
        break;
    }
}

void EntryField::settleWith(FieldCheck check)
{
    const std::optional<FieldBounds> bounds = boundsNow ? boundsNow() : rule_.bounds;
    valid_ = bounds ? CheckField(app_, box_, check, *bounds) : std::int16_t{0};
    if (checked) checked();
}

} // namespace tarvik
