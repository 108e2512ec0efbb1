#include "commands/motion/MotionMenus.h"

namespace tarvik {

std::span<const MenuActionEntry> motionCommandMenuActions() { return {}; }

} // namespace tarvik
