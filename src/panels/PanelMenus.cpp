#include "panels/PanelMenus.h"

namespace tarvik {

std::span<const MenuActionEntry> panelMenuActions() { return {}; }

} // namespace tarvik
