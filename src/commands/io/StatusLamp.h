#pragma once

#include "forms/runtime/FormRuntime.h"

#include <cstdint>

namespace tarvik {

// The indicator boxes of the read-back dialogs: a filled circle per bit of a status word, green
// while the bit is set and white while it is clear. A lamp keeps its colour until a read draws
// it again; showing or hiding it never changes the colour.
inline constexpr Color kLampOn = rgb(0, 255, 0);
inline constexpr Color kLampOff = colors::White;
inline constexpr float kLampSize = 252;

// Adds lamp `index` to the array at (left, top) in twips: a solid white circle.
inline Shape& addLamp(ControlArray<Shape>& lamps, int index, float left, float top)
{
    Shape& lamp = lamps.add(index, Design{.left = left, .top = top, .width = kLampSize, .height = kLampSize},
                            Shape::Kind::Circle);
    lamp.setFillStyle(Shape::SolidFill);
    lamp.setFillColor(kLampOff);
    return lamp;
}

// Draws the lamp from the bits of `word` under `mask`.
inline void lightLamp(Shape& lamp, std::int16_t word, std::uint16_t mask)
{
    lamp.setFillColor((static_cast<std::uint16_t>(word) & mask) != 0 ? kLampOn : kLampOff);
}

} // namespace tarvik
