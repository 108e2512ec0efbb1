#pragma once

namespace tarvik {

// Which of the long-lived windows are open.
struct OpenWindows {
    // Set while each panel is open (the servo and stepper test panels, the XY demo); the main
    // window keeps the prestore menus off meanwhile.
    bool ServoTestOpen = false;
    bool StepperTestOpen = false;
    bool XyDemoOpen = false;
};

} // namespace tarvik
