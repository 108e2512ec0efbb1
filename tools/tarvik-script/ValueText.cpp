#include "ValueText.h"

#include <charconv>

namespace tarvik::script {

namespace {
template <class T>
std::string shortest(T value)
{
    char text[64];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}
} // namespace

std::string valueText(float value) { return shortest(value); }
std::string valueText(double value) { return shortest(value); }

} // namespace tarvik::script
