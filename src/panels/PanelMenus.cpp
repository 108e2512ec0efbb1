#include "panels/PanelMenus.h"

#include "panels/ServoTestPanel.h"
#include "panels/StepperTestPanel.h"
#include "panels/XyTableDemo.h"
#include "program/MainWindowServices.h"

#include <array>

namespace tarvik {

namespace {

// A second choice of an open panel brings it to the front.
const auto kActions = std::to_array<MenuActionEntry>({
    {"testservmu", &openChild<ServoTestPanel, Opening::FrontThenRestore>},
    {"teststepmu", &openChild<StepperTestPanel, Opening::FrontThenRestore>},
    // The XY-table demo.
    {"xytablemu", &openChild<XyTableDemo, Opening::FrontThenRestore>},
});

} // namespace

std::span<const MenuActionEntry> panelMenuActions() { return kActions; }

} // namespace tarvik
