#pragma once

#include "common/CommandDesign.h"

#include <string>
#include <utility>

namespace tarvik {

// A count per revolution of a stepper axis, motor steps or encoder lines: digits only, at most
// six of them, 1 to `max`, a whole number once the box is left, sent as a 16-bit value.
inline CommandField countPerRevField(std::string name, std::string labelName, std::string label, double max)
{
    return {.name = std::move(name),
            .labelName = std::move(labelName),
            .label = std::move(label),
            .maxLength = 6,
            .rule = {.check = FieldCheck::ValidateDoubleOrBlank, .bounds = {1, max}},
            .conversion = FieldConversion::Int16};
}

} // namespace tarvik
