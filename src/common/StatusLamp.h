#pragma once

#include "driver/StatusWords.h"
#include "runtime/FormRuntime.h"

#include <cstdint>

namespace tarvik {

// Status lamps: a filled shape per bit of a status word, green while the bit is set and white
// while it is clear. A lamp keeps its colour until a read draws it again; showing or hiding it
// never changes the colour.
inline constexpr Color kLampOn = rgb(0, 255, 0);
inline constexpr Color kLampOff = colors::White;

// Makes the shape a lamp: solid fill, off.
inline void makeLamp(Shape& lamp)
{
    lamp.setFillStyle(Shape::SolidFill);
    lamp.setFillColor(kLampOff);
}

// Draws the lamp from the bits of `word` under `mask`: on when any of them is set.
inline void lightLamp(Shape& lamp, std::int16_t word, std::uint16_t mask)
{
    lamp.setFillColor(hasBits(word, mask) ? kLampOn : kLampOff);
}

} // namespace tarvik
