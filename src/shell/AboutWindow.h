#pragma once

#include "runtime/FormRuntime.h"

#include <string_view>

namespace tarvik {

class App;

inline constexpr std::string_view kTarvikVersion = "0.1.0";

// The About box: the program's name and version, and whether the boards are simulated.
class AboutWindow : public Form {
public:
    explicit AboutWindow(App& app);

    Label lblname{this, "lblname", {.caption = "Tarvik", .left = 240, .top = 240, .width = 4335, .height = 375}};
    Label lblversion{this, "lblversion", {.left = 240, .top = 660, .width = 4335, .height = 255}};
    Label lblpurpose{this, "lblpurpose",
                     {.caption = "Set-up and test panel for multi-axis motion-control boards.",
                      .left = 240, .top = 960, .width = 4335, .height = 495}};
    Label lblboards{this, "lblboards", {.left = 240, .top = 1500, .width = 4335, .height = 495}};
    CommandButton okcmd{this, "okcmd", {.caption = "OK", .left = 1800, .top = 2160, .width = 1215, .height = 375}};

private:
    void Form_Load() override;

    App& app_;
};

// Shows the About box modally (Help > About).
void ShowAbout(App& app);

} // namespace tarvik
