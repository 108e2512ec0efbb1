#pragma once

#include "driver/MotionDriver.h"
#include "runtime/FormRuntime.h"

#include <cstdint>
#include <string>

namespace tarvik {

// A home or index search accelerates to its find velocity in a fifth of a second: its RPSPS is
// its RPM over this.
inline constexpr double kSearchRpmPerRpsps = 5.0;

// Loads the velocity a search runs at: load_rpm with `rpm`, then load_rpsps with
// rpm / kSearchRpmPerRpsps. The first failing status (nothing after it is sent), or 0.
DriverStatus LoadSearchVelocity(MotionDriver& driver, std::int16_t board, std::int16_t axis, double rpm);
// The same for a panel: a failing status's text goes to `statusBox` and the result is false.
bool LoadSearchVelocity(MotionDriver& driver, std::int16_t board, std::int16_t axis, double rpm, TextBox& statusBox);

// What a homing panel opened for a board that is not configured says in its status box.
std::string NothingToSearchOn(std::int16_t board);

} // namespace tarvik
