#pragma once

#include "common/StatusLamp.h"
#include "runtime/FormRuntime.h"

namespace tarvik {

// The lamps of the read-back dialogs are circles of one size.
inline constexpr float kLampSize = 252;

// Adds lamp `index` to the array at (left, top) in twips, off.
inline Shape& addLamp(ControlArray<Shape>& lamps, int index, float left, float top)
{
    Shape& lamp = lamps.add(index, Design{.left = left, .top = top, .width = kLampSize, .height = kLampSize},
                            Shape::Kind::Circle);
    makeLamp(lamp);
    return lamp;
}

} // namespace tarvik
