#pragma once

namespace tarvik {

// Which of the long-lived windows are open, and whether the program is ending.
struct OpenWindows {
    // Set while each panel is open (the servo and stepper test panels, the XY demo); the main
    // window keeps the prestore menus off meanwhile.
    bool ServoTestOpen = false;
    bool StepperTestOpen = false;
    bool XyDemoOpen = false;
    // Set when the user closes the main window or quits; a test panel that holds the close back
    // until its run ends then closes the main window itself.
    bool QuitRequested = false;
};

} // namespace tarvik
