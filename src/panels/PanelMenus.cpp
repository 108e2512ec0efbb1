#include "panels/PanelMenus.h"

#include "panels/ServoTestPanel.h"
#include "panels/StepperTestPanel.h"
#include "panels/xy/XyTableDemo.h"
#include "shell/MainWindowServices.h"

#include <array>

namespace tarvik {

namespace {

// A second choice of an open panel brings it to the front.
const auto kItems = std::to_array<MenuItemRow>({
    {"testservmu", "Servo Single Axis...", "testmu", 10, &openChild<ServoTestPanel, Opening::FrontThenRestore>},
    {"teststepmu", "Stepper Single Axis...", "testmu", 20, &openChild<StepperTestPanel, Opening::FrontThenRestore>},

    {"xytablemu", "XY Table...", "demomu", 10, &openChild<XyTableDemo, Opening::FrontThenRestore>},
});

} // namespace

std::span<const MenuItemRow> panelMenuItems() { return kItems; }

} // namespace tarvik
