#pragma once

#include "program/MenuBar.h"

#include <span>

namespace tarvik {

// The menu items of the motion command dialogs (Functions > Trajectory Control, Start/Stop, Servo, Stepper, Stepper Closed Loop).
std::span<const MenuItemRow> motionCommandMenuItems();

} // namespace tarvik
