#pragma once

#include <concepts>
#include <string>

namespace tarvik::script {

// Values as the program holds them, as scripts compare them: booleans True or False, numbers
// in decimal (floating point in the shortest form that reads back as the same value), texts as
// they stand.
inline std::string valueText(bool value) { return value ? "True" : "False"; }
inline std::string valueText(const std::string& value) { return value; }
std::string valueText(float value);
std::string valueText(double value);
template <std::integral T>
    requires(!std::same_as<T, bool>)
std::string valueText(T value)
{
    return std::to_string(value);
}

} // namespace tarvik::script
