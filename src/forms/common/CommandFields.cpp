#include "forms/common/CommandFields.h"

#include "base/NumberText.h"
#include "forms/common/RangeChecks.h"

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

CommandValue ConvertField(std::string_view text, FieldConversion conversion)
{
    const double value = valueOf(text);
    switch (conversion) {
    case FieldConversion::Int16:
        return toInt16Saturated(value);
    case FieldConversion::Int32:
        return toInt32Saturated(value);
    case FieldConversion::Double:
        break;
    }
    return value;
}

} // namespace tarvik
