#include "commands/io/IoMenus.h"

namespace tarvik {

std::span<const MenuActionEntry> ioCommandMenuActions() { return {}; }

} // namespace tarvik
