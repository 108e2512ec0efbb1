#include "panels/PanelMenus.h"

#include "panels/frmservtest.h"
#include "panels/frmsteptest.h"
#include "panels/frmxytable.h"
#include "program/MainWindowServices.h"

#include <array>

namespace tarvik {

namespace {

// A second choice of an open panel brings it to the front.
const auto kActions = std::to_array<MenuActionEntry>({
    {"testservmu", &openChild<frmservtest, Opening::FrontThenRestore>},
    {"teststepmu", &openChild<frmsteptest, Opening::FrontThenRestore>},
    // The XY-table demo.
    {"xytablemu", &openChild<frmxytable, Opening::FrontThenRestore>},
});

} // namespace

std::span<const MenuActionEntry> panelMenuActions() { return kActions; }

} // namespace tarvik
