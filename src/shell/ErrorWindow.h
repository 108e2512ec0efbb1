#pragma once

#include "runtime/FormRuntime.h"

#include <string>

namespace tarvik {

class App;

// The error window: the message in `msgtxt`; OK closes it, "Quit Tarvik" ends the program.
// Shown modally through ShowErrorMessage.
class ErrorWindow : public Form {
public:
    explicit ErrorWindow(App& app);

    std::string messageText() const override { return msgtxt.text(); }

    // Puts `message` in the message box. A message longer than the box holds widens the window,
    // then lengthens it, so that the whole text shows without scrolling.
    void setMessage(const std::string& message);

    // The window opens with the focus on OK, so that Enter closes it; Tab reaches the message
    // last, for copying its text.
    TextBox msgtxt{this, "msgtxt", {.left = 120, .top = 120, .width = 5175, .height = 1455, .tabIndex = 2}};
    CommandButton okcmd{this, "okcmd",
                        {.caption = "OK", .left = 1200, .top = 1740, .width = 1215, .height = 375, .tabIndex = 0}};
    CommandButton quitcmd{this, "quitcmd", {.caption = "Quit Tarvik", .left = 3000, .top = 1740, .width = 1215,
                                            .height = 375, .tabIndex = 1}};

private:
    void Form_Load() override;
    void okcmd_Click();
    void quitcmd_Click();

    App& app_;
};

} // namespace tarvik
