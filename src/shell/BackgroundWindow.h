#pragma once

#include "runtime/FormRuntime.h"

namespace tarvik {

class App;

// The background picture window inside the main window. It stays behind every other window
// (SendBackgroundToBack) and cannot be closed by the user; it goes with the main window.
class BackgroundWindow : public Form {
public:
    explicit BackgroundWindow(App& app);

    Image imgbackground{this, "imgbackground", {.width = 11760, .height = 7800}};

private:
    void Form_QueryUnload(int& cancel, UnloadReason reason) override;
};

} // namespace tarvik
